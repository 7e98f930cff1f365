// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/saved_books.h"

#include <filesystem>

#include "engine/game.h"
#include "model/books_file.h"
#include "model/save_disk.h"

namespace kelpmark {

std::string booksPathFor(const std::string& savePath) { return savePath + ".books"; }

bool writeBooksBeside(const Game& game, const std::string& savePath, int* error) {
  if (!game.hasCompany()) return false;
  const TCorporation& c = game.corp();
  return replaceFile(booksPathFor(savePath),
                     booksFileText(c.books, game.values.clock.GameDate, c.Money), false, error);
}

void readBooksBeside(TCorporation& company, double gameDate, const std::string& savePath) {
  const std::string path = booksPathFor(savePath);
  std::string text;
  if (!readRegularFile(path, kMaxBooksFileBytes, text)) {
    // Something that is there but cannot be read as a file (too long, a
    // directory, no permission) is no books of ours either.
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, ec))) moveAside(path);
    return;
  }
  if (readBooksFile(text, gameDate, company.Money, company.books) == BooksFileFit::Damaged)
    keepRefusedSave(path);
}

void removeBooksBeside(const std::string& savePath) {
  std::error_code ec;
  const std::string path = booksPathFor(savePath);
  if (std::filesystem::is_directory(std::filesystem::symlink_status(path, ec)))
    moveAside(path);
  else
    std::filesystem::remove(path, ec);
}

}  // namespace kelpmark
