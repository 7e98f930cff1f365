// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What must hold after every action and every tick, whatever the player did.
#include <gtest/gtest.h>

#include "commands/program.h"

namespace kmtest {

inline void expectInvariants(const kelpmark::Program& p) {
  using namespace kelpmark;
  const SpinEdit& s = p.mainForm.PSpn;
  ASSERT_GE(s.value, s.minValue);
  ASSERT_LE(s.value, s.maxValue);
  if (!p.game.hasCompany()) return;
  const TCorporation& c = p.game.corp();
  for (const StaffList* list : {&c.Accountants, &c.Loaders, &c.Managers, &c.Salesmen}) {
    for (const auto& e : *list) {
      ASSERT_GE(e.object->Mood, 0);
      ASSERT_LE(e.object->Mood, 100);
      ASSERT_GE(e.object->Experience, 0);
      ASSERT_LE(e.object->Experience, 100);
    }
  }
  for (const BuildingList* list : {&c.Shops, &c.Lots, &c.Stores})
    for (const auto& e : *list) ASSERT_LE(e.object->Level, e.object->MaxLevel);
  ASSERT_LE(c.Office->Level, c.Office->MaxLevel);
  ASSERT_GE(c.MarketShare, 1);
  ASSERT_LE(c.MarketShare, 100);
  // The books explain the cash: their first opening and every amount since add up to it.
  Currency booked = c.books.firstOpening();
  for (const CategoryAmounts& month : c.books.bookedMonths())
    for (Currency a : month) booked += a;
  ASSERT_EQ(booked, c.Money);
}

}  // namespace kmtest
