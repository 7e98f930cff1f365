// SPDX-License-Identifier: GPL-3.0-or-later
// The purchase panel: the quantity, bargaining once an hour, buying once an hour
// and the terminal sponsorship.
#include "commands/main_form.h"
#include "commands/program.h"
#include "model/int128.h"

namespace kelpmark {

namespace {

const char* const kQuantityLocked = "Нельзя изменить количество после торга!";

int32_t stepFor(int32_t value) {
  if (value > 10000) return 1000;
  if (value > 4000) return 500;
  if (value > 1000) return 200;
  return 100;
}

}  // namespace

void TMainForm::resetPurchasePanel() {
  const Currency wholesale = game().values.market.WholesalePrice;
  realPrice = wholesale * 100;
  label(MainLabel::RealPrcLbl).caption = game().money(realPrice);
  total = wholesale * PSpn.value;
  label(MainLabel::TotalLbl).caption = game().money(total);
}

void TMainForm::showTotal() {
  total = realPrice * (PSpn.value / 100);
  label(MainLabel::TotalLbl).caption = game().money(total);
}

void TMainForm::setSpinValue(int64_t value) {
  const int32_t v = PSpn.clamp(value);
  if (v == PSpn.value) return;
  PSpn.value = v;
  PSpnChange();
}

void TMainForm::PSpnChange() {
  if (!flag(MainButton::TorgBtn)) {
    setSpinValue(BargainedQuantity);
    throw CommandError(kQuantityLocked);
  }
  PSpn.increment = stepFor(PSpn.value);
  const int32_t limit = game().corp().MaxPurchase(game().values.market.WholesalePrice);
  if (PSpn.value > limit) setSpinValue(limit);
  showTotal();
}

void TMainForm::spinClick(int direction) {
  setSpinValue(static_cast<int64_t>(PSpn.value) + static_cast<int64_t>(direction) * PSpn.increment);
}

void TMainForm::MaxBtnClick() {
  TCorporation& c = game().corp();
  const int32_t limit = c.MaxPurchase(game().values.market.WholesalePrice);
  setSpinValue(limit);
  showTotal();
  if (limit > PSpn.maxValue && c.Money > Currency::fromUnits(50000)) {
    const Answer a = program_.view.question(
        "Если вы проспонсируете строительство дополнительного терминала,\n\r"
        "то сможете закупать больше. Дадите $50000?",
        QuestionKind::Confirmation, false);
    if (a == Answer::Yes) {
      PSpn.maxValue = saturate32(static_cast<int64_t>(PSpn.maxValue) + 10000);
      c.pay(Currency::fromUnits(50000));
      RefreshDisplay();
    }
  }
}

void TMainForm::TorgBtnClick() {
  Game& g = game();
  const Currency wholesale = g.values.market.WholesalePrice;
  const int32_t limit = g.corp().MaxPurchase(wholesale);
  if (PSpn.value > limit) setSpinValue(limit);
  const int32_t quantity = PSpn.value;
  const Currency discount = g.corp().BargainDiscount(quantity, g.random, g.values);
  realPrice = wholesale * 100 - discount;
  label(MainLabel::RealPrcLbl).caption = g.money(realPrice);
  showTotal();
  flag(MainButton::TorgBtn) = false;
  BargainedQuantity = quantity;
}

void TMainForm::FishBtnClick() {
  TCorporation& c = game().corp();
  if (c.Stores.empty() || c.StoreCapacity() <= c.FishStock) {
    program_.view.message("Недостаточно места для хранения!");
    return;
  }
  if (total > c.Money) {
    program_.view.message("Недостаточно денег!");
    return;
  }
  const int128 stockValue =
      static_cast<int128>(total.count()) + static_cast<int128>(c.FishStock) * c.StockCost.count();
  c.FishStock = saturate32(static_cast<int64_t>(c.FishStock) + PSpn.value);
  // An empty stock keeps its cost price.
  if (c.FishStock != 0) c.StockCost = Currency::fromCount(divRoundHalfEven(stockValue, c.FishStock));
  c.pay(total);
  flag(MainButton::FishBtn) = false;
  RefreshDisplay();
}

}  // namespace kelpmark
