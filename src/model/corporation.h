// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's company: cash, stock, prestige, market figures, the month's books,
// the strike flags, the ordered campaign, the office and six ordered lists.
#include <cstdint>
#include <memory>

#include "model/books.h"
#include "model/buildings.h"
#include "model/currency.h"
#include "model/kinds.h"
#include "model/ordered_list.h"
#include "model/workers.h"

namespace kelpmark {

class Random;
struct EngineValues;

using StaffList = OrderedList<TWorkerBee>;
using BuildingList = OrderedList<TBuilding>;

class TCorporation {
 public:
  // The new-game state: an office, empty lists, 10000 in cash, market share 2.
  TCorporation();

  // --- money and small aggregates -------------------------------------------
  // The only way the game changes Money, naming what the change is for: an
  // increase is booked into MonthIncome, a decrease into MonthExpense, and the
  // change into the books under its category.
  void SetMoney(Currency amount, MoneyCategory category);
  // SetMoney(Money - amount) and SetMoney(Money + amount).
  void pay(Currency amount, MoneyCategory category) { SetMoney(Money - amount, category); }
  void receive(Currency amount, MoneyCategory category) { SetMoney(Money + amount, category); }
  // Books one pause by the player.
  void RegisterPause(double gameDate);

  static int32_t AverageMood(const StaffList& list);
  static int32_t AverageExperience(const StaffList& list);
  static Currency TotalSalary(const StaffList& list);

  // --- capacities, mood shift and building sale -------------------------------
  int32_t StoreCapacity() const;
  int32_t LoaderPlaces() const;
  int32_t SalesmanPlaces() const;
  static void ShiftMood(const StaffList& list, int64_t delta);
  // Whether selling this store would leave too little room for the fish in stock
  // (false when it is not one of the company's stores).
  bool SaleLosesFish(const TBuilding* building) const;
  // Sells a store; fish that no longer fits is lost. Returns loader places minus
  // loaders after the sale (0 when it is not one of the company's stores).
  int32_t SellStore(const TBuilding* building);
  // Sells a stall or shop from the given list; returns salesman places minus salesmen.
  int32_t SellSalePoint(BuildingList& list, const TBuilding* building);

  // --- hiring and construction ------------------------------------------------
  // Whether an employee of the kind would find a free workplace.
  bool HasWorkplaceFor(const EmployeeKind& kind) const;
  // Hires one employee of the kind into a free workplace: a name, a mood halfway
  // to his new team's, his hiring cost paid. False (and nothing changes) when no
  // workplace is free.
  bool Hire(const EmployeeKind& kind, Random& random);
  // Puts up a building of the kind, named after its list, for its price.
  void Build(const BuildingKind& kind);
  bool HireLoader(Random& random) { return Hire(kLoaderKind, random); }
  bool HireSalesman(Random& random) { return Hire(kSalesmanKind, random); }
  bool HireManager(Random& random) { return Hire(kManagerKind, random); }
  bool HireAccountant(Random& random) { return Hire(kAccountantKind, random); }
  void BuildStore() { Build(kStoreKind); }
  void BuildLot() { Build(kStallKind); }
  void BuildShop() { Build(kShopKind); }
  // The office rises a level and doubles its workplaces, for its upgrade cost.
  Currency OfficeUpgradeCost() const;
  void UpgradeOffice();
  // A building is as new again for the cost of its repair.
  void Repair(TBuilding& building, Currency cost);
  // A store, stall or shop rises a level for the cost of its upgrade.
  void UpgradeBuilding(TBuilding& building, Currency cost);

  // --- purchase and bargaining ------------------------------------------------
  // The largest quantity the player may buy now at a price per kg.
  int32_t MaxPurchase(Currency price) const;
  // Buys fish for the cost: the stock's cost price becomes the weighted average of
  // the old stock and the purchase (an empty stock keeps it).
  void BuyFish(int32_t quantity, Currency cost);
  // The bargaining result in whole dollars per 100 kg.
  Currency BargainDiscount(int32_t quantity, Random& random, const EngineValues& values) const;
  // The manager who leads the bargaining (largest Experience + Mood / 2, first on a tie).
  static TWorkerBee* PickWorker(const StaffList& list, bool byExperience, bool byMood);

  // --- staff measures -----------------------------------------------------
  // Whether firing this employee of the list would upset a discontented department
  // (average mood below 30), so that the player is warned first.
  static bool FiringUpsetsStaff(const StaffList& list, const TWorkerBee* worker);
  // Removes an employee and returns the mood penalty for the rest of the
  // department; 0 when the employee is not on the list.
  int32_t FireEmployee(StaffList& list, const TWorkerBee* worker);
  static Currency AverageSalary(const StaffList& list);
  static int32_t RoundedAverageMood(const StaffList& list);
  // A tenth more salary (the employee is pleased), a tenth less (displeased), and
  // praise, which pleases the content; the discontented take each worse.
  static void RaiseSalary(TWorkerBee& worker, Random& random);
  static void CutSalary(TWorkerBee& worker, Random& random);
  static void Praise(TWorkerBee& worker, Random& random);
  static void RaiseSalaries(const StaffList& list, Random& random);
  // A week's salary as a premium for one employee: a big lift in mood, and
  // experience for the very content.
  void PayPremium(TWorkerBee& worker, Random& random);
  void PayPremiums(const StaffList& list, Random& random);

  // --- valuation and averages ---------------------------------------------------
  Currency CompanyValue() const;
  int32_t AverageShopLevel() const;
  Currency TotalPayroll() const;
  // A category's present daily running cost: upkeep plus, below half condition, a
  // surcharge in whole units.
  static Currency CategoryUpkeep(const BuildingList& list);
  Currency StoresUpkeep() const { return CategoryUpkeep(Stores); }
  Currency LotsUpkeep() const { return CategoryUpkeep(Lots); }
  Currency ShopsUpkeep() const { return CategoryUpkeep(Shops); }
  // The office's daily cost: (level - 1) squared times its upkeep.
  Currency OfficeUpkeep() const;
  static int32_t AverageCondition(const BuildingList& list);

  // --- fields, in declaration order ----------------------------------------
  Currency Money = Currency::fromUnits(10000);
  double OverdraftDate = 0.0;
  int32_t OverdraftPenalty = 0;
  double PauseDate = 0.0;
  double PrestigeBonusUntil = 0.0;
  int32_t SaleTicks = 0;
  double StrikePenalty = 0.0;
  int32_t ResultPoints = 0;
  int32_t CampaignCounter = 0;
  double CampaignEffectUntil = 0.0;
  BuildingList Shops;
  BuildingList Lots;
  BuildingList Stores;
  std::shared_ptr<TOffice> Office;
  int32_t MarketShare = 2;
  int32_t MarketUse = 0;
  StaffList Accountants;
  StaffList Loaders;
  StaffList Managers;
  StaffList Salesmen;
  bool AccountantsWork = true;
  bool LoadersWork = true;
  bool ManagersWork = true;
  bool SalesmenWork = true;
  int32_t FishStock = 0;
  Currency StockCost;
  double PausePenalty = 0.0;
  int32_t Prestige = 0;
  int32_t StaffCount = 0;
  int32_t BuildingCount = 0;
  double TaxSavedShare = 0.0;
  Currency TodayRevenue;
  Currency LastDayRevenue;
  Currency LastMonthValue;
  Currency MonthIncome;
  Currency MonthExpense;
  double CampaignReadyDate = 0.0;
  // The nominal days of the last campaign kind whose lead time was worked out.
  double CampaignDuration = 0.0;
  // The ordered campaign kind (1..8 in the actions window's order), 0 for none.
  int32_t PendingCampaign = 0;
  bool TaxHolidayOver = false;

  // Where the money went, month by month; no rule reads them.
  Books books;

 private:
  StaffList& staffOf(WorkerClass c);
  BuildingList& buildingsOf(BuildingClass c);
};

// The list entry of a new building: the kind's entry with (entries before adding) + 1.
std::string newEntryText(const Marked& entry, const BuildingList& list);

}  // namespace kelpmark
