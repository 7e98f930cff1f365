// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The advertising campaigns: what each kind is called and promises, what it costs,
// how long the managers prepare it and what it does when it runs.
#include <array>
#include <cstdint>

#include "model/currency.h"
#include "model/text.h"

namespace kelpmark {

class Random;
class TCorporation;
struct MarketValues;

// The kinds in the order of the actions window's list; the company keeps the
// ordered kind as this number (0 = none).
enum class CampaignKind : int32_t {
  None = 0,
  BestFirm = 1,  // the prestige bonus for a month
  BuyFish,       // more demand for fish
  BuyFromUs,     // the shop salesmen sell more for 5 days
  MeatIsBad,     // risky: much more demand
  RightFish,     // dearer shop prices
  Cheaper,       // risky: the shop salesmen sell more for a week
  StopRobbing,   // cheaper wholesale
  ReallyCheap,   // a real sale: more volume at 90% of the shop price for a week
};

// What a finished campaign works on.
struct CampaignRun {
  TCorporation& company;
  MarketValues& market;
  Random& random;
  double now;
  int32_t experience;  // the managers' rounded mean experience (0 without managers)
  int32_t managers;    // how many managers there are
};

// The cost in whole units: base + per shop + per stall + per storage building +
// per square of the office level + per point of prestige.
struct CampaignCostRule {
  int64_t base;
  int64_t perShop;
  int64_t perStall;
  int64_t perStore;
  int64_t perOfficeLevelSquared;
  int64_t perPrestige;
};

struct CampaignInfo {
  CampaignKind kind;
  Marked name;
  Marked description;
  CampaignCostRule cost;
  // Preparation: leadDays / sqrt(managers) + leadExtraDays.
  double leadDays;
  double leadExtraDays;
  // The nominal length of the effect, which the company keeps once a lead time of
  // the kind has been worked out.
  double nominalDays;
  // It can be ordered only while the wholesale factor is at least this.
  double minWholesaleFactor;
  void (*effect)(CampaignRun& run);
};

extern const std::array<CampaignInfo, 8> kCampaigns;

// The entry of a kind number; nullptr for 0 and for numbers outside the list.
const CampaignInfo* campaignInfo(int32_t kind);

int64_t CampaignCost(const TCorporation& c, const CampaignInfo& campaign);

// Days until an order of the kind would be ready; 0 for no kind or no managers.
double CampaignLeadTime(const TCorporation& c, int32_t kind);

// Keeps the kind's nominal days in the company where a lead time of it counts
// (a kind and at least one manager).
void NoteCampaignDuration(TCorporation& c, int32_t kind);

// Orders a campaign of the kind at the date `now` for its cost, paid at once; it is
// ready after its lead time.
void OrderCampaign(TCorporation& c, int32_t kind, double now, Currency cost);

}  // namespace kelpmark
