// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The books file that lives beside a saved game ("game.dat.books"), so that the
// books survive a save, a resume and a crash while the save file keeps its own
// format. A text file of lines ended by LF:
//
//   kelpmark books 1
//   save DATE MONEY                      the save's GameDate and Money, each as
//                                        the save file writes a real
//   month MM.YYYY opening A closing B    every month of the books, oldest first
//   CATEGORY AMOUNT                      that month's totals that are not 0, in
//                                        the books' order ("wages -420")
//   today DAY                            the game day (a day number) of the
//   CATEGORY AMOUNT                      day's flows, and those flows
//   end
//
// Amounts are written exactly, with a decimal point and without trailing zeros.
// The file belongs to the saved game whose date and money it names; then every
// month's opening plus its amounts must be its closing, each closing the next
// month's opening, and the last closing the save's money.
#include <string>

#include "model/books.h"

namespace kelpmark {

std::string booksFileText(const Books& books, double gameDate, Currency money);

enum class BooksFileFit {
  Belongs,  // the books of this saved game, taken into `out`
  Foreign,  // the books of another save (or of none): `out` is untouched
  Damaged,  // not a books file, or one whose figures do not add up
};

// Reads a books file for the saved game of this date and money.
BooksFileFit readBooksFile(const std::string& text, double gameDate, Currency money, Books& out);

// The largest books file a reader takes.
constexpr size_t kMaxBooksFileBytes = 4u << 20;

}  // namespace kelpmark
