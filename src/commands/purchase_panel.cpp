// SPDX-License-Identifier: GPL-3.0-or-later
// The purchase panel: the quantity, bargaining once an hour, buying once an hour
// and the terminal sponsorship.
#include "commands/main_form.h"
#include "commands/view_port.h"
#include "engine/game.h"
#include "commands/refusal.h"
#include "model/int128.h"

namespace kelpmark {

namespace {

const Marked kQuantityLocked = KM_TR("TMainForm", "Нельзя изменить количество после торга!");
const Marked kTerminalQuestion =
    KM_TR("TMainForm",
          "Если вы проспонсируете строительство дополнительного терминала,\n\r"
          "то сможете закупать больше. Дадите $50000?");
const Currency kTerminalPrice = Currency::fromUnits(50000);

int32_t stepFor(int32_t value) {
  if (value > 10000) return 1000;
  if (value > 4000) return 500;
  if (value > 1000) return 200;
  return 100;
}

}  // namespace

void TMainForm::resetPurchasePanel() {
  const Currency wholesale = game_.values.market.WholesalePrice;
  realPrice = wholesale * 100;
  label(MainLabel::RealPrcLbl).caption = game_.money(realPrice);
  total = wholesale * PSpn.value;
  label(MainLabel::TotalLbl).caption = game_.money(total);
}

void TMainForm::showTotal() {
  total = realPrice * (PSpn.value / 100);
  label(MainLabel::TotalLbl).caption = game_.money(total);
}

void TMainForm::setSpinValue(int64_t value) {
  const int32_t v = PSpn.clamp(value);
  if (v == PSpn.value) return;
  PSpn.value = v;
  PSpnChange();
}

Check TMainForm::quantityCheck() const {
  // After a bargain the quantity stays the bargained one until the next hour.
  if (!flag(MainButton::TorgBtn)) return Refusal::error(kQuantityLocked);
  return {};
}

void TMainForm::PSpnChange() {
  if (const Check no = quantityCheck()) {
    setSpinValue(BargainedQuantity);
    return refuse(view_, *no);
  }
  PSpn.increment = stepFor(PSpn.value);
  const int32_t limit = game_.corp().MaxPurchase(game_.values.market.WholesalePrice);
  if (PSpn.value > limit) setSpinValue(limit);
  showTotal();
}

void TMainForm::spinClick(int direction) {
  setSpinValue(static_cast<int64_t>(PSpn.value) + static_cast<int64_t>(direction) * PSpn.increment);
}

bool TMainForm::terminalOffered(int32_t limit) const {
  return limit > PSpn.maxValue && game_.corp().Money > kTerminalPrice;
}

void TMainForm::sponsorTerminal() {
  PSpn.maxValue = saturate32(static_cast<int64_t>(PSpn.maxValue) + 10000);
  game_.corp().pay(kTerminalPrice, MoneyCategory::Terminal);
}

void TMainForm::MaxBtnClick() {
  const int32_t limit = game_.corp().MaxPurchase(game_.values.market.WholesalePrice);
  setSpinValue(limit);
  showTotal();
  if (!terminalOffered(limit)) return;
  if (view_.question(kTerminalQuestion, QuestionKind::Confirmation, false) != Answer::Yes)
    return;
  sponsorTerminal();
  RefreshDisplay();
}

void TMainForm::TorgBtnClick() {
  Game& g = game_;
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

Check TMainForm::purchaseCheck() const {
  const TCorporation& c = game_.corp();
  if (c.Stores.empty() || c.StoreCapacity() <= c.FishStock)
    return Refusal::message(KM_TR("TMainForm", "Недостаточно места для хранения!"));
  if (total > c.Money) return Refusal::message(kNoMoney);
  return {};
}

void TMainForm::FishBtnClick() {
  if (const Check no = purchaseCheck()) return refuse(view_, *no);
  game_.corp().BuyFish(PSpn.value, total);
  flag(MainButton::FishBtn) = false;
  RefreshDisplay();
}

}  // namespace kelpmark
