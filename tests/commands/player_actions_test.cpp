// SPDX-License-Identifier: GPL-3.0-or-later
// The player's way in: a control that is disabled does nothing, even where its
// handler would change the company.
#include <gtest/gtest.h>

#include "support/test_program.h"

using kelpmark::ActionResult;
using kelpmark::Control;
using kelpmark::MainButton;
using kelpmark::PlayerAction;

TEST(PlayerActions, ADisabledControlChangesNothing) {
  kmtest::TestProgram p;
  p.newGame();
  p.ticks(1);  // 06:01: the buildings window and the first morning's buttons are open
  ASSERT_EQ(p.click(MainButton::StorageBtn), ActionResult::Done);
  ASSERT_EQ(p.click(MainButton::StuffBtn), ActionResult::Done);

  // No repair is offered above 900; a click on the button must not repair for free.
  kelpmark::TBuilding& store = p.corp().Stores[0];
  store.Condition = 950;
  p.click(MainButton::BuildingsBtn);
  p.perform(PlayerAction::choose(Control::BuildBox, 0));
  ASSERT_EQ(p.perform(PlayerAction::select(Control::BuildList, 0)), ActionResult::Done);
  ASSERT_FALSE(p.program.buildForm.RemBtnEnabled);
  const kelpmark::Currency money = p.corp().Money;
  EXPECT_EQ(p.perform(PlayerAction::click(Control::BuildRemBtn)), ActionResult::Ignored);
  EXPECT_EQ(store.Condition, 950);
  EXPECT_EQ(p.corp().Money, money);

  // One praise an hour in the whole company: the second is refused.
  p.click(MainButton::WokrersBtn);
  p.perform(PlayerAction::choose(Control::PersBox, 3));
  kelpmark::TWorkerBee& loader = p.corp().Loaders[0];
  loader.Mood = 95;  // praise gives a content employee at least +2
  ASSERT_EQ(p.perform(PlayerAction::click(Control::PersWokrersBtn)), ActionResult::Done);
  const int32_t praised = loader.Mood;
  EXPECT_GE(praised, 97);
  EXPECT_EQ(p.perform(PlayerAction::click(Control::PersWokrersBtn)), ActionResult::Ignored);
  EXPECT_EQ(loader.Mood, praised);
}
