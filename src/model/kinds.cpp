// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/kinds.h"

#include <array>

#include "model/staff_names.h"

namespace kelpmark {

namespace {

using P = BuildingPicture;

}  // namespace

constinit const BuildingKind kOfficeKind = {
    BuildingClass::Office, {}, KM_TR("Kinds", "Офис"),
    KM_TR("Kinds", "Офис необходим вам для того, чтобы вести бизнес"),
    P::None, 7, 5000, 5000, 50, 5, 0, 0, 0, 0, {}};
constinit const BuildingKind kStoreKind = {
    BuildingClass::SmallStore, KM_TR("Kinds", "Склад N %1"), KM_TR("Kinds", "Малый склад"),
    KM_TR("Kinds", "Небольшой, удобный склад. Идеально подходит для хранения товара."),
    P::Store, 2, 3000, 4000, 60, 5, 5000, 0, 0, 0, {3000}};
constinit const BuildingKind kStallKind = {
    BuildingClass::Lot, KM_TR("Kinds", "Палатка N %1"), KM_TR("Kinds", "Торговый лоток"),
    KM_TR("Kinds", "Отличный band-name лоток. Не требует больших материальных затрат."),
    P::Stall, 1, 1500, 0, 15, 1, 0, 1, 200, 20, {1500}};
constinit const BuildingKind kShopKind = {
    BuildingClass::Shop, KM_TR("Kinds", "Магазин N %1"), KM_TR("Kinds", "Магазин"),
    KM_TR("Kinds", "Небольшой приятный магазинчик. Облагается умеренными налогами."),
    P::Shop, 3, 7500, 3000, 70, 5, 0, 2, 1000, 10, {10000}};
constinit const OfficeLevels kOfficeLevels = {7, 5, 20,
                                              KM_TR("Kinds", "Офис уже круче некуда!")};

constinit const EmployeeKind kAccountantKind = {
    WorkerClass::Accounter, KM_TR("Kinds", "Бухгалтер"), kAccountantCode, 150, 150, 100,
    Workplace::Office,
    {1000, 2, KM_TR("Kinds", "Офис маловат будет! Не пойдут бухгалтеры в такую дыру работать.")},
    KM_TR("Kinds", "Новому бухгалтеру будет негде работать!")};
constinit const EmployeeKind kLoaderKind = {
    WorkerClass::Stuff, KM_TR("Kinds", "Грузчик"), kLoaderCode, 50, 50, 1, Workplace::Stores,
    {100}, KM_TR("Kinds", "Новому грузчику будет негде работать!")};
constinit const EmployeeKind kManagerKind = {
    WorkerClass::Manager, KM_TR("Kinds", "Менеджер"), kManagerCode, 200, 200, 250,
    Workplace::Office,
    {1000, 3, KM_TR("Kinds", "Офис маловат будет! Не пойдут менеджеры в такую дыру работать.")},
    KM_TR("Kinds", "Новому менеджеру будет негде работать!")};
constinit const EmployeeKind kSalesmanKind = {
    WorkerClass::Saler, KM_TR("Kinds", "Продавец"), kSalesmanCode, 75, 200, 10,
    Workplace::SalePoints, {100}, KM_TR("Kinds", "Новому продавцу будет негде работать!")};

Text storedKindText(const std::string& russian) { return Text::stored(kKindsContext, russian); }

Text storedEntryText(const std::string& entry) {
  for (const BuildingKind* kind : {&kStoreKind, &kStallKind, &kShopKind}) {
    const std::string pattern = kind->entry.source;
    const size_t mark = pattern.find("%1");
    const std::string prefix = pattern.substr(0, mark);
    const std::string suffix = pattern.substr(mark + 2);
    const bool fits = entry.size() >= prefix.size() + suffix.size() &&
                      entry.compare(0, prefix.size(), prefix) == 0 &&
                      entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) == 0;
    if (fits)
      return Text(kind->entry)
          .arg(entry.substr(prefix.size(), entry.size() - prefix.size() - suffix.size()));
  }
  return Text::plain(entry);
}

}  // namespace kelpmark
