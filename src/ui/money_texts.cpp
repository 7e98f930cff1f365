// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/money_texts.h"

#include <QStringList>

#include "commands/finance_table.h"
#include "engine/game.h"
#include "ui/shown_text.h"

namespace kelpmark::ui {

namespace {

const char* const kContext = "kelpmark::ui::MoneyTexts";

// Looked up once and kept: the tooltip is made anew at every tick.
QString translated(const char* text) {
  return QString::fromStdString(shownLanguage().translate(kContext, text, -1));
}

}  // namespace

QString categoryName(MoneyCategory c) {
  static const char* const names[kMoneyCategoryCount] = {
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "Продажи"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "Продажа зданий"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "Налог с продаж"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "Закупка рыбы"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "Терминал"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "Зарплата"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "Содержание зданий"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "Проценты по долгу"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "Налог на прибыль"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "Наём"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "Строительство"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "Ремонт"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "Реклама"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "Работа с персоналом"),
  };
  return translated(names[static_cast<size_t>(c)]);
}

QString monthName(MonthIndex month) {
  static const char* const names[12] = {
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "янв"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "фев"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "мар"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "апр"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "май"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "июн"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "июл"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "авг"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "сен"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "окт"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "ноя"),
      QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "дек"),
  };
  const int64_t year = month >= 0 ? month / 12 : -((-month + 11) / 12);
  return translated(names[month - year * 12]) + QLatin1Char(' ') + QString::number(year);
}

QString signedMoney(const Game& game, Currency amount) {
  const QString sign = amount < Currency() ? QStringLiteral("\u2212") : QStringLiteral("+");
  return sign + QLatin1Char('$') + QString::fromStdString(game.money(amount.abs()));
}

QString flowsText(const Game& game, const CategoryAmounts& amounts, size_t count) {
  QStringList parts;
  for (const auto& [category, amount] : largestFlows(amounts, count))
    parts << categoryName(category) + QLatin1Char(' ') + signedMoney(game, amount);
  return parts.join(QStringLiteral(", "));
}

QString moneyFlowsToolTip(const Game& game) {
  if (!game.hasCompany()) return {};
  const TCorporation& c = game.corp();
  const double now = game.values.clock.GameDate;
  const std::vector<BooksMonth> months = c.books.months(now, c.Money);
  const QString none =
      translated(QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts", "денег не тратили и не получали"));
  const auto flows = [&](const CategoryAmounts& amounts) {
    const QString text = flowsText(game, amounts, 5);
    return text.isEmpty() ? none : text;
  };
  // Rich text, so that a long line wraps on a small screen.
  return translated(QT_TRANSLATE_NOOP("kelpmark::ui::MoneyTexts",
                                      "<b>Сегодня:</b> %1<br><b>За месяц:</b> %2"))
      .arg(flows(c.books.today(now)), flows(months.back().amounts));
}

}  // namespace kelpmark::ui
