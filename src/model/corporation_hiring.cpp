// SPDX-License-Identifier: GPL-3.0-or-later
// Hiring staff into free workplaces; putting up, upgrading and repairing buildings.
#include "model/corporation.h"
#include "model/int128.h"
#include "model/staff_names.h"

namespace kelpmark {

StaffList& TCorporation::staffOf(WorkerClass c) {
  switch (c) {
    case WorkerClass::Accounter: return Accountants;
    case WorkerClass::Stuff: return Loaders;
    case WorkerClass::Manager: return Managers;
    case WorkerClass::Saler: return Salesmen;
  }
  return Loaders;
}

BuildingList& TCorporation::buildingsOf(BuildingClass c) {
  switch (c) {
    case BuildingClass::Shop: return Shops;
    case BuildingClass::Lot: return Lots;
    default: return Stores;
  }
}

bool TCorporation::HasWorkplaceFor(const EmployeeKind& kind) const {
  switch (kind.workplace) {
    case Workplace::Stores: return Loaders.count() < LoaderPlaces();
    case Workplace::SalePoints: return Salesmen.count() < SalesmanPlaces();
    case Workplace::Office:
      return static_cast<int64_t>(Accountants.count()) + Managers.count() < Office->StaffPlaces;
  }
  return false;
}

bool TCorporation::Hire(const EmployeeKind& kind, Random& random) {
  if (!HasWorkplaceFor(kind)) return false;
  StaffList& list = staffOf(kind.workerClass);
  std::shared_ptr<TWorkerBee> newcomer = newWorker(kind, random);
  std::string name = MakeStaffName(kind.nameCode, random);
  list.add(std::move(name), newcomer);
  // A newcomer drifts halfway toward the mood of his new team (himself included).
  newcomer->SetMood((static_cast<int64_t>(newcomer->Mood) + AverageMood(list)) / 2);
  pay(newcomer->HireCost, MoneyCategory::Hiring);
  return true;
}

void TCorporation::Build(const BuildingKind& kind) {
  std::shared_ptr<TBuilding> building;
  switch (kind.buildingClass) {
    case BuildingClass::Shop: building = std::make_shared<TShop>(); break;
    case BuildingClass::Lot: building = std::make_shared<TLot>(); break;
    default: building = std::make_shared<TSmallStore>(); break;
  }
  BuildingList& list = buildingsOf(kind.buildingClass);
  list.add(newEntryText(kind.entry, list), building);
  pay(building->Value, MoneyCategory::Construction);
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
