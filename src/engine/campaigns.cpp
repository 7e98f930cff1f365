// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/campaigns.h"

#include <cmath>
#include <limits>

#include "model/corporation.h"
#include "model/engine_values.h"
#include "model/random.h"

namespace kelpmark {

namespace {

constexpr double kAnyWholesale = -std::numeric_limits<double>::infinity();

// Experience plus half the number of managers: the strength of several kinds.
double halfTeam(const CampaignRun& r) { return r.experience + r.managers / 2.0; }

// A risky campaign that fails costs two result points and ends the prestige bonus.
void fail(CampaignRun& r) {
  r.company.ResultPoints -= 2;
  r.company.PrestigeBonusUntil = 0;
}

void bestFirm(CampaignRun& r) { r.company.PrestigeBonusUntil = r.now + 30; }

void buyFish(CampaignRun& r) { r.market.DemandLevel += halfTeam(r) / 1000; }

void buyFromUs(CampaignRun& r) {
  r.market.CampaignBoost = 1.3;
  r.company.CampaignEffectUntil = r.now + 5;
}

void meatIsBad(CampaignRun& r) {
  if (r.experience > 70 || r.random.integer(r.experience) > 30)
    r.market.DemandLevel += 0.3;
  else
    fail(r);
}

void rightFish(CampaignRun& r) { r.market.ShopPriceFactor = 1 + halfTeam(r) / 1000; }

void cheaper(CampaignRun& r) {
  if (r.experience > 65 || r.random.integer(r.experience) > 20) {
    r.market.CampaignBoost = 1.2;
    r.company.CampaignEffectUntil = r.now + 7;
  } else {
    fail(r);
  }
}

void stopRobbing(CampaignRun& r) {
  r.market.WholesaleFactor = r.market.WholesaleFactor - 0.01 - halfTeam(r) / 3000;
  r.company.CampaignCounter -= 1;
}

void reallyCheap(CampaignRun& r) {
  r.market.CampaignBoost +=
      0.1 + static_cast<double>(static_cast<int64_t>(r.experience) + r.managers) / 1000;
  r.market.ShopPriceFactor = 0.9;
  r.company.CampaignEffectUntil = r.now + 7;
  r.company.CampaignCounter += 1;
}

}  // namespace

const std::array<CampaignInfo, 8> kCampaigns = {{
    {CampaignKind::BestFirm, KM_TR("Campaigns", "Наша фирма - лучшая!"),
     KM_TR("Campaigns",
           "Недорогая рекламная акция для повышения вашей репутации. Ее эффекта хватит на месяц."),
     {1000, 10, 0, 0, 100, -100}, 7, 1, 30, kAnyWholesale, bestFirm},
    {CampaignKind::BuyFish, KM_TR("Campaigns", "Покупайте рыбу!"),
     KM_TR("Campaigns",
           "Акция, направленная на повышение потребительского спроса на рыбу. Оптовики и "
           "конкуренты также могут ей воспользоваться."),
     {3000, 250, 50, 0, 0, 0}, 14, 3, 14, kAnyWholesale, buyFish},
    {CampaignKind::BuyFromUs, KM_TR("Campaigns", "Покупайте рыбу у нас!"),
     KM_TR("Campaigns",
           "Узконаправленная реклама ваших магазинов. В течение двух недель увеличивает спрос."),
     {4000, 500, 0, 0, 0, 0}, 14, 4, 14, kAnyWholesale, buyFromUs},
    {CampaignKind::MeatIsBad, KM_TR("Campaigns", "Мясо есть вредно!"),
     KM_TR("Campaigns",
           "Сомнительная акция против конкурентов, занимающихся другими товарами. В случае "
           "успеха, существенно, но не надолго (5 дней) повышает спрос."),
     {6000, 300, 0, 0, 0, 0}, 7, 2, 5, kAnyWholesale, meatIsBad},
    {CampaignKind::RightFish, KM_TR("Campaigns", "Наша рыба - правильная!"),
     KM_TR("Campaigns",
           "Очерните товар конкурентов! Увеличивает цены в ваших магазинах при неизменном "
           "спрое и уменьшает долю рынка конкурентов в течение 2-х недель."),
     {20000, 500, 0, 0, 0, 0}, 10, 1, 14, kAnyWholesale, rightFish},
    {CampaignKind::Cheaper, KM_TR("Campaigns", "У нас - дешевле!"),
     KM_TR("Campaigns",
           "Мнимая распродажа продолжительностью 7 дней. В случае успеха, поднимает спрос на "
           "неделю, но снижает репутацию."),
     {10000, 500, 0, 0, 0, 0}, 14, 3, 7, kAnyWholesale, cheaper},
    {CampaignKind::StopRobbing, KM_TR("Campaigns", "Перестаньте нас грабить!"),
     KM_TR("Campaigns",
           "Специализированная кампания против оптовиков. Снижает оптовые цены. Но конкуренты "
           "тоже этим воспользуются."),
     {8000, 0, 0, 500, 0, 0}, 14, 3, 30, 1.02, stopRobbing},
    // Exactly one day whatever the number of managers.
    {CampaignKind::ReallyCheap, KM_TR("Campaigns", "У нас действительно дешево!"),
     KM_TR("Campaigns",
           "Реальная недельная распродажа. Сильно увеличивает оборот за счет снижения цены. "
           "Сильный аргумент против конкурентов."),
     {5000, 100, 0, 0, 0, 0}, 0, 1, 7, kAnyWholesale, reallyCheap},
}};

const CampaignInfo* campaignInfo(int32_t kind) {
  if (kind < 1 || kind > static_cast<int32_t>(kCampaigns.size())) return nullptr;
  return &kCampaigns[static_cast<size_t>(kind - 1)];
}

int64_t CampaignCost(const TCorporation& c, const CampaignInfo& campaign) {
  const CampaignCostRule& r = campaign.cost;
  const int64_t level = c.Office->Level;
  return r.base + r.perShop * c.Shops.count() + r.perStall * c.Lots.count() +
         r.perStore * c.Stores.count() + r.perOfficeLevelSquared * level * level +
         r.perPrestige * c.Prestige;
}

double CampaignLeadTime(const TCorporation& c, int32_t kind) {
  const CampaignInfo* campaign = campaignInfo(kind);
  const int32_t managers = c.Managers.count();
  if (campaign == nullptr || managers == 0) return 0;
  const double root = std::sqrt(static_cast<double>(managers));
  return campaign->leadDays / root + campaign->leadExtraDays;
}

void NoteCampaignDuration(TCorporation& c, int32_t kind) {
  const CampaignInfo* campaign = campaignInfo(kind);
  if (campaign != nullptr && c.Managers.count() != 0) c.CampaignDuration = campaign->nominalDays;
}

void OrderCampaign(TCorporation& c, int32_t kind, double now, Currency cost) {
  c.CampaignReadyDate = now + CampaignLeadTime(c, kind);
  NoteCampaignDuration(c, kind);
  c.pay(cost, MoneyCategory::Campaigns);
  c.PendingCampaign = kind;
}

}  // namespace kelpmark
