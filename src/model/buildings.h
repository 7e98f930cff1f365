// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The company's buildings: the office, stores, market stalls and shops.
#include <cstdint>
#include <string>

#include "model/currency.h"

namespace kelpmark {

struct BuildingKind;

enum class BuildingClass { Office, SmallStore, Lot, Shop };

// Pictures of the main window's image list that building constructors take.
enum class BuildingPicture { None = -1, Store = 0, Stall = 1, Shop = 2 };

class TBuilding {
 public:
  BuildingClass buildingClass() const { return class_; }
  bool isStorage() const { return class_ == BuildingClass::SmallStore; }
  bool isSale() const { return class_ == BuildingClass::Lot || class_ == BuildingClass::Shop; }
  bool isLot() const { return class_ == BuildingClass::Lot; }

  // What the company receives when the building is sold: 80% of the value
  // scaled by the condition, in whole units.
  Currency ResaleValue() const;
  // Raises a sale building (and, through UpgradeStore, a store) by one level.
  void Upgrade();

  BuildingPicture Picture = BuildingPicture::None;
  std::string Description;
  std::string TypeName;
  int32_t MaxLevel = 0;
  int32_t Level = 1;
  int32_t Condition = 1000;
  Currency Value;
  Currency UpgradeCost;
  Currency Upkeep;
  double BuildingSpare = 0.0;
  int32_t StaffPlaces = 0;
  int32_t IsOffice = 0;

 protected:
  // Level 1, condition 1000, and the values of the kind's row.
  explicit TBuilding(const BuildingKind& kind);

 private:
  BuildingClass class_;
};

class TOffice : public TBuilding {
 public:
  TOffice();
  int32_t OfficeSpare = 0;
};

class TStorageBuilding : public TBuilding {
 public:
  void UpgradeStore();
  int32_t Capacity = 0;

 protected:
  explicit TStorageBuilding(const BuildingKind& kind);
};

class TSmallStore : public TStorageBuilding {
 public:
  TSmallStore();
};

class TSaleBuilding : public TBuilding {
 public:
  int32_t SaleKind = 0;
  int32_t SalesCapacity = 0;
  int32_t SaleSpare = 0;

 protected:
  explicit TSaleBuilding(const BuildingKind& kind);
};

class TLot : public TSaleBuilding {
 public:
  TLot();
};

class TShop : public TSaleBuilding {
 public:
  TShop();
};

}  // namespace kelpmark
