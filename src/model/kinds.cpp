// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/kinds.h"

#include "model/staff_names.h"

namespace kelpmark {

namespace {

using P = BuildingPicture;

}  // namespace

constinit const BuildingKind kOfficeKind = {
    BuildingClass::Office, "", "Офис", "Офис необходим вам для того, чтобы вести бизнес",
    P::None, 7, 5000, 5000, 50, 5, 0, 0, 0, 0, {}};
constinit const BuildingKind kStoreKind = {
    BuildingClass::SmallStore, "Склад N ", "Малый склад",
    "Небольшой, удобный склад. Идеально подходит для хранения товара.",
    P::Store, 2, 3000, 4000, 60, 5, 5000, 0, 0, 0, {3000}};
constinit const BuildingKind kStallKind = {
    BuildingClass::Lot, "Палатка N ", "Торговый лоток",
    "Отличный band-name лоток. Не требует больших материальных затрат.",
    P::Stall, 1, 1500, 0, 15, 1, 0, 1, 200, 20, {1500}};
constinit const BuildingKind kShopKind = {
    BuildingClass::Shop, "Магазин N ", "Магазин",
    "Небольшой приятный магазинчик. Облагается умеренными налогами.",
    P::Shop, 3, 7500, 3000, 70, 5, 0, 2, 1000, 10, {10000}};
constinit const OfficeLevels kOfficeLevels = {7, 5, 20, "Офис уже круче некуда!"};

constinit const EmployeeKind kAccountantKind = {
    WorkerClass::Accounter, "Бухгалтер", kAccountantCode, 150, 150, 100, Workplace::Office,
    {1000, 2, "Офис маловат будет! Не пойдут бухгалтеры в такую дыру работать."},
    "Новому бухгалтеру будет негде работать!"};
constinit const EmployeeKind kLoaderKind = {
    WorkerClass::Stuff, "Грузчик", kLoaderCode, 50, 50, 1, Workplace::Stores, {100},
    "Новому грузчику будет негде работать!"};
constinit const EmployeeKind kManagerKind = {
    WorkerClass::Manager, "Менеджер", kManagerCode, 200, 200, 250, Workplace::Office,
    {1000, 3, "Офис маловат будет! Не пойдут менеджеры в такую дыру работать."},
    "Новому менеджеру будет негде работать!"};
constinit const EmployeeKind kSalesmanKind = {
    WorkerClass::Saler, "Продавец", kSalesmanCode, 75, 200, 10, Workplace::SalePoints, {100},
    "Новому продавцу будет негде работать!"};

}  // namespace kelpmark
