// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers that put employees and buildings into a company with chosen values.
#include <memory>
#include <string>

#include "model/corporation.h"
#include "model/random.h"

namespace kmtest {

// Employees built here draw their starting mood from a generator of their own, so
// the game's generator is left alone.
inline kelpmark::Random& scratchRandom() {
  static kelpmark::Random r;
  return r;
}

template <class Worker>
Worker& addWorker(kelpmark::StaffList& list, int experience, int mood,
                  const std::string& name = "Иванов Иван Иванович") {
  auto w = std::make_shared<Worker>(scratchRandom());
  w->Experience = experience;
  w->Mood = mood;
  list.add(name, w);
  return *w;
}

template <class Building>
Building& addBuilding(kelpmark::BuildingList& list, int condition = 1000) {
  auto b = std::make_shared<Building>();
  b->Condition = condition;
  list.add("Постройка", b);
  return *b;
}

}  // namespace kmtest
