// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The books' words as the windows show them: the names of the categories and of
// the months, amounts with their sign, and a day's or a month's flows in a line.
#include <QString>

#include "model/books.h"

namespace kelpmark {
class Game;
}

namespace kelpmark::ui {

QString categoryName(MoneyCategory c);
// "янв 2001".
QString monthName(MonthIndex month);
// The amount in the game's money format with its sign: "+$1200", "−$420.5".
QString signedMoney(const Game& game, Currency amount);
// The largest flows of the amounts, at most `count`: "Зарплата −$420, Содержание
// −$180"; empty when there are none.
QString flowsText(const Game& game, const CategoryAmounts& amounts, size_t count);
// The main window's money tooltip: the day's and the month's largest flows.
QString moneyFlowsToolTip(const Game& game);

}  // namespace kelpmark::ui
