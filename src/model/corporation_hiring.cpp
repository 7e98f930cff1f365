// SPDX-License-Identifier: GPL-3.0-or-later
// Hiring staff into free workplaces; putting up, upgrading and repairing buildings.
#include "model/corporation.h"
#include "model/int128.h"
#include "model/staff_names.h"

namespace kelpmark {

template <class Worker>
bool TCorporation::hire(StaffList& list, int64_t places, int64_t occupied, int nameCode,
                        Random& random) {
  if (occupied >= places) return false;
  auto newcomer = std::make_shared<Worker>(random);
  std::string name = MakeStaffName(nameCode, random);
  list.add(std::move(name), newcomer);
  // A newcomer drifts halfway toward the mood of his new team (himself included).
  newcomer->SetMood((static_cast<int64_t>(newcomer->Mood) + AverageMood(list)) / 2);
  pay(newcomer->HireCost, MoneyCategory::Hiring);
  return true;
}

bool TCorporation::HireLoader(Random& random) {
  return hire<TStuff>(Loaders, LoaderPlaces(), Loaders.count(), kLoaderCode, random);
}

bool TCorporation::HireSalesman(Random& random) {
  return hire<TSaler>(Salesmen, SalesmanPlaces(), Salesmen.count(), kSalesmanCode, random);
}

bool TCorporation::HireManager(Random& random) {
  return hire<TManager>(Managers, Office->StaffPlaces,
                        static_cast<int64_t>(Accountants.count()) + Managers.count(),
                        kManagerCode, random);
}

bool TCorporation::HireAccountant(Random& random) {
  return hire<TAccounter>(Accountants, Office->StaffPlaces,
                          static_cast<int64_t>(Accountants.count()) + Managers.count(),
                          kAccountantCode, random);
}

void TCorporation::BuildStore() {
  auto store = std::make_shared<TSmallStore>();
  Stores.add(buildingEntryText("Склад N ", Stores), store);
  pay(store->Value, MoneyCategory::Construction);
}

void TCorporation::BuildLot() {
  auto lot = std::make_shared<TLot>();
  Lots.add(buildingEntryText("Палатка N ", Lots), lot);
  pay(lot->Value, MoneyCategory::Construction);
}

void TCorporation::BuildShop() {
  auto shop = std::make_shared<TShop>();
  Shops.add(buildingEntryText("Магазин N ", Shops), shop);
  pay(shop->Value, MoneyCategory::Construction);
}

Currency TCorporation::OfficeUpgradeCost() const {
  const int64_t level = Office->Level;
  return Office->Value * (level * level);
}

void TCorporation::UpgradeOffice() {
  const Currency cost = OfficeUpgradeCost();
  Office->Level += 1;
  Office->StaffPlaces = saturate32(static_cast<int64_t>(Office->StaffPlaces) * 2);
  pay(cost, MoneyCategory::Construction);
}

void TCorporation::Repair(TBuilding& building, Currency cost) {
  pay(cost, MoneyCategory::Repairs);
  building.Condition = 1000;
}

void TCorporation::UpgradeBuilding(TBuilding& building, Currency cost) {
  pay(cost, MoneyCategory::Construction);
  if (building.isStorage())
    static_cast<TStorageBuilding&>(building).UpgradeStore();
  else
    building.Upgrade();
}

}  // namespace kelpmark
