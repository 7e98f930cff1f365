// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/buildings.h"

#include "model/int128.h"
#include "model/kinds.h"

namespace kelpmark {

Currency TBuilding::ResaleValue() const {
  const double resale = 0.8 * Value.units() * Condition / 1000;
  return Currency::fromDoubleWholeUnits(resale);
}

void TBuilding::Upgrade() {
  if (Level >= MaxLevel) return;
  Upkeep = Upkeep * 2;
  Level = Level + 1;
  Value = Value + UpgradeCost * Level;
  if (Level == 2) TypeName = KM_TR("Kinds", "Улучшенный магазин").source;
  if (Level == 3) TypeName = KM_TR("Kinds", "Элитный магазин").source;
}

TBuilding::TBuilding(const BuildingKind& kind) : class_(kind.buildingClass) {
  TypeName = kind.typeName.source;
  Description = kind.description.source;
  MaxLevel = kind.maxLevel;
  Value = Currency::fromUnits(kind.value);
  UpgradeCost = Currency::fromUnits(kind.upgradeCost);
  Upkeep = Currency::fromUnits(kind.upkeep);
  StaffPlaces = kind.staffPlaces;
  Picture = kind.picture;
}

TOffice::TOffice() : TBuilding(kOfficeKind) { IsOffice = 1; }

TStorageBuilding::TStorageBuilding(const BuildingKind& kind) : TBuilding(kind) {
  Capacity = kind.capacity;
}

void TStorageBuilding::UpgradeStore() {
  Upgrade();
  Capacity = saturate32(static_cast<int64_t>(Capacity) * 2);
  TypeName = KM_TR("Kinds", "Склад с погрузчиком").source;
  StaffPlaces = saturate32(static_cast<int64_t>(StaffPlaces) * 2);
}

TSmallStore::TSmallStore() : TStorageBuilding(kStoreKind) {}

TSaleBuilding::TSaleBuilding(const BuildingKind& kind) : TBuilding(kind) {
  SaleKind = kind.saleKind;
  SalesCapacity = kind.salesCapacity;
  SaleSpare = kind.saleSpare;
}

TLot::TLot() : TSaleBuilding(kStallKind) {}

TShop::TShop() : TSaleBuilding(kShopKind) {}

}  // namespace kelpmark
