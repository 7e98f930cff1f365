// SPDX-License-Identifier: GPL-3.0-or-later
// Storage capacity, workplaces, the mood shift of a department and building sales.
#include "model/corporation.h"
#include "model/int128.h"

namespace kelpmark {

namespace {

int64_t sumOf(const BuildingList& list, int32_t (*field)(const TBuilding&)) {
  int64_t sum = 0;
  for (const auto& e : list) sum += field(*e.object);
  return sum;
}

}  // namespace

int32_t TCorporation::StoreCapacity() const {
  return saturate32(sumOf(Stores, [](const TBuilding& b) {
    return static_cast<const TStorageBuilding&>(b).Capacity;
  }));
}

int32_t TCorporation::LoaderPlaces() const {
  return saturate32(sumOf(Stores, [](const TBuilding& b) { return b.StaffPlaces; }));
}

int32_t TCorporation::SalesmanPlaces() const {
  return saturate32(sumOf(Shops, [](const TBuilding& b) { return b.StaffPlaces; }) +
                    static_cast<int64_t>(Lots.size()));
}

void TCorporation::ShiftMood(const StaffList& list, int64_t delta) {
  for (const auto& e : list) e.object->SetMood(e.object->Mood + delta);
}

bool TCorporation::SaleLosesFish(const TBuilding* building) const {
  if (Stores.indexOf(building) < 0) return false;
  const auto& store = static_cast<const TStorageBuilding&>(*building);
  return static_cast<int64_t>(StoreCapacity()) - store.Capacity < FishStock;
}

int32_t TCorporation::SellStore(const TBuilding* building) {
  const int index = Stores.indexOf(building);
  if (index < 0) return 0;
  receive(building->ResaleValue(), MoneyCategory::BuildingSales);
  Stores.removeAt(static_cast<size_t>(index));
  if (StoreCapacity() < FishStock) FishStock = StoreCapacity();
  return saturate32(static_cast<int64_t>(LoaderPlaces()) - Loaders.count());
}

int32_t TCorporation::SellSalePoint(BuildingList& list, const TBuilding* building) {
  const int index = list.indexOf(building);
  if (index < 0) return 0;
  receive(building->ResaleValue(), MoneyCategory::BuildingSales);
  list.removeAt(static_cast<size_t>(index));
  return saturate32(static_cast<int64_t>(SalesmanPlaces()) - Salesmen.count());
}

}  // namespace kelpmark
