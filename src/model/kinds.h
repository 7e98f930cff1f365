// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogues of kinds: one row for each kind of building and of employee,
// holding everything that tells the kinds apart (names, prices, upkeep,
// workplaces, what the button that adds one needs, the texts the player sees).
// The constructors and the one hiring and building command read these rows.
#include <cstdint>

#include <string>

#include "model/buildings.h"
#include "model/text.h"
#include "model/workers.h"

namespace kelpmark {

// What the button that adds one of a kind asks for before anything is done.
struct Requirement {
  // Cash on hand, in whole units: a threshold, not the price (a shop needs 10000
  // and costs 7500).
  int64_t cash = 0;
  // The least office level, with the message for a smaller office (0: any office).
  int32_t officeLevel = 0;
  Marked smallOfficeText{};
};

struct BuildingKind {
  BuildingClass buildingClass;
  // A new building's list entry: %1 is the list's size plus one.
  Marked entry;
  Marked typeName;
  Marked description;
  BuildingPicture picture;
  int32_t maxLevel;
  // Whole units: the price (Value), the upgrade cost of a level, the daily upkeep.
  int64_t value;
  int64_t upgradeCost;
  int64_t upkeep;
  int32_t staffPlaces;
  // Kilograms a store holds.
  int32_t capacity;
  // A sale building's kind, kilograms a day and its spare value.
  int32_t saleKind;
  int32_t salesCapacity;
  int32_t saleSpare;
  Requirement requirement;
};

// The office's levels: an upgrade costs the office's value times the square of
// the level it leaves and doubles the workplaces, up to the top level; the levels
// from `prestigeFrom` on need a prestige of `prestigeNeeded`.
struct OfficeLevels {
  int32_t top;
  int32_t prestigeFrom;
  int32_t prestigeNeeded;
  Marked topText;
};

// Where an employee works: loaders in the stores, salesmen in the shops and at the
// stalls, accountants and managers share the office.
enum class Workplace { Stores, SalePoints, Office };

struct EmployeeKind {
  WorkerClass workerClass;
  Marked profession;
  // The staff name generator's profession code.
  int nameCode;
  // Whole units a week, and the price of hiring.
  int64_t salary;
  int64_t nominalSalary;
  int64_t hireCost;
  Workplace workplace;
  Requirement requirement;
  // When every workplace of the kind is taken.
  Marked noPlaceText;
};

extern const BuildingKind kOfficeKind;
extern const BuildingKind kStoreKind;
extern const BuildingKind kStallKind;
extern const BuildingKind kShopKind;
extern const OfficeLevels kOfficeLevels;

extern const EmployeeKind kAccountantKind;
extern const EmployeeKind kLoaderKind;
extern const EmployeeKind kManagerKind;
extern const EmployeeKind kSalesmanKind;

// The context the kinds' texts are marked in: the type names and professions the
// save file keeps in Russian are looked up in it when they are shown.
inline constexpr const char* kKindsContext = "Kinds";

// A building's type name or an employee's profession, as the save keeps it.
Text storedKindText(const std::string& russian);
// A building's list entry ("Склад N 3"), as the save keeps it: the kind's entry
// with its number, or the text as it stands when no kind's entry matches.
Text storedEntryText(const std::string& entry);

}  // namespace kelpmark
