// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/buildings.h"

#include "model/int128.h"

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
  if (Level == 2) TypeName = "Улучшенный магазин";
  if (Level == 3) TypeName = "Элитный магазин";
}

TOffice::TOffice() : TBuilding(BuildingClass::Office) {
  TypeName = "Офис";
  Description = "Офис необходим вам для того, чтобы вести бизнес";
  MaxLevel = 7;
  Value = Currency::fromUnits(5000);
  UpgradeCost = Currency::fromUnits(5000);
  Upkeep = Currency::fromUnits(50);
  StaffPlaces = 5;
  IsOffice = 1;
}

void TStorageBuilding::UpgradeStore() {
  Upgrade();
  Capacity = saturate32(static_cast<int64_t>(Capacity) * 2);
  TypeName = "Склад с погрузчиком";
  StaffPlaces = saturate32(static_cast<int64_t>(StaffPlaces) * 2);
}

TSmallStore::TSmallStore() : TStorageBuilding(BuildingClass::SmallStore) {
  TypeName = "Малый склад";
  Description = "Небольшой, удобный склад. Идеально подходит для хранения товара.";
  MaxLevel = 2;
  Value = Currency::fromUnits(3000);
  UpgradeCost = Currency::fromUnits(4000);
  Upkeep = Currency::fromUnits(60);
  StaffPlaces = 5;
  Capacity = 5000;
  Picture = BuildingPicture::Store;
}

TLot::TLot() : TSaleBuilding(BuildingClass::Lot) {
  TypeName = "Торговый лоток";
  Description = "Отличный band-name лоток. Не требует больших материальных затрат.";
  MaxLevel = 1;
  Value = Currency::fromUnits(1500);
  UpgradeCost = Currency();
  Upkeep = Currency::fromUnits(15);
  StaffPlaces = 1;
  SaleKind = 1;
  SalesCapacity = 200;
  SaleSpare = 20;
  Picture = BuildingPicture::Stall;
}

TShop::TShop() : TSaleBuilding(BuildingClass::Shop) {
  TypeName = "Магазин";
  Description = "Небольшой приятный магазинчик. Облагается умеренными налогами.";
  MaxLevel = 3;
  Value = Currency::fromUnits(7500);
  UpgradeCost = Currency::fromUnits(3000);
  Upkeep = Currency::fromUnits(70);
  StaffPlaces = 5;
  SaleKind = 2;
  SalesCapacity = 1000;
  SaleSpare = 10;
  Picture = BuildingPicture::Shop;
}

}  // namespace kelpmark
