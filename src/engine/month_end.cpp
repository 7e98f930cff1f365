// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/month_end.h"

#include "engine/game.h"
#include "model/calendar.h"
#include "model/int128.h"

namespace kelpmark {

const Marked kYearOverText = KM_TR(
    "MonthEnd",
    "За целый год вы так и не смогли захватить и удержать 100% рынка!\n"
    "Вам надо было действовать активнее!\n"
    "Попытаетесь еще раз?");
const Marked kValueHalvedText = KM_TR(
    "MonthEnd",
    "Меньше, чем за месяц вы умудрились уполовинить стоимость компании.\n"
    "Ваши предпринимательские способности равны нулю!\n"
    "Попытаетесь еще раз?");
const Marked kPrestigeLostText = KM_TR(
    "MonthEnd",
    "Вы коренным образом подорвали свой престиж.\n"
    "Уже никто не верит, что вы сможете создать монополию.\n"
    "Попытаетесь заново?");
const Marked kVictoryText =
    KM_TR("MonthEnd", "Отлично! Вы не хуже Кварцмана справились с созданием монополии!");

std::vector<Text> CloseMonth(Game& game) {
  std::vector<Text> messages;
  TCorporation& c = game.corp();
  c.LastMonthValue = c.CompanyValue();
  Currency r = c.MonthIncome + c.MonthExpense;
  const bool profit = r > Currency();
  if (profit) {
    c.ResultPoints = saturate32(static_cast<int64_t>(c.ResultPoints) + 2);
  } else {
    c.ResultPoints = saturate32(static_cast<int64_t>(c.ResultPoints) - 1);
    r = -r;
  }
  Text text = profit ? Text(KM_TR("MonthEnd",
                                  "Ваша фирма закончила месяц с прибылью в $%1\n\r"
                                  "Налог на прибыль составит $%2"))
                     : Text(KM_TR("MonthEnd", "Ваша фирма закончила месяц с убытками в $%1"));
  text.arg(game.money(r));
  if (profit) {
    const Currency tax =
        Currency::fromCount(divRoundHalfEven(static_cast<int128>(r.count()) * 3, 10));
    text.arg(game.money(tax));
    c.pay(tax, MoneyCategory::ProfitTax);
  }
  if (game.values.clock.CurrentMonth > 1) messages.push_back(text);
  c.MonthIncome = Currency();
  c.MonthExpense = Currency();
  if (game.values.clock.CurrentMonth == 2) {
    c.TaxHolidayOver = true;
    messages.push_back(KM_TR("MonthEnd", "Период льготного налогооблажения закончился!"));
  }
  game.values.bargain.MonthsElapsed =
      saturate32(static_cast<int64_t>(game.values.bargain.MonthsElapsed) + 1);
  return messages;
}

bool yearOver(const Game& game) { return decodeDate(game.values.clock.GameDate).year > 2001; }

bool valueHalved(const Game& game) {
  const TCorporation& c = game.corp();
  if (!(c.LastMonthValue > Currency())) return false;
  return c.CompanyValue().countAsDouble() / c.LastMonthValue.countAsDouble() < 0.5;
}

bool prestigeCollapsed(const Game& game) {
  const TCorporation& c = game.corp();
  return c.LastMonthValue != Currency() && c.Prestige < -9;
}

bool marketWon(const Game& game) {
  const TCorporation& c = game.corp();
  return c.MarketUse >= 100 && c.MarketShare >= 100;
}

}  // namespace kelpmark
