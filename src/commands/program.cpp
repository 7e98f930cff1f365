// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/program.h"

#include <utility>

namespace kelpmark {

Program::Program(ViewPort& v, ProgramOptions o)
    : observed_(v),
      view(observed_),
      options(std::move(o)),
      mainForm(game, view, clock, {persForm, buildForm, actionForm, reportForm}),
      persForm(game, view, mainForm),
      buildForm(game, view, mainForm),
      reportForm(game, view),
      actionForm(game, view, mainForm),
      clock(game, view, {mainForm, persForm, buildForm, reportForm},
            [this] { return takeClockSeed(); }, [this] { endProgram(); }) {
  game.format = options.format;
  game.ticker.set(options.welcomeText);
}

void Program::endProgram() {
  if (ended) return;
  ended = true;
  view.endProgram();
}

uint32_t Program::takeClockSeed() {
  const std::optional<uint32_t> requested = std::exchange(requestedSeed_, std::nullopt);
  lastClockSeed_ = options.clockSeed ? options.clockSeed(requested) : requested.value_or(0);
  return lastClockSeed_;
}

ActionResult Program::perform(const PlayerAction& action) {
  PlayerAction performed = action;
  ActionResult result = ActionResult::IgnoredQuietly;
  {
    struct Running {
      int& depth;
      explicit Running(int& d) : depth(d) { ++depth; }
      ~Running() { --depth; }
    } running(performing_);
    if (!ended) result = performAction(performed);
  }
  if (ProgramObserver* o = observer()) o->performed(performed, result);
  return result;
}

ActionResult Program::performAction(PlayerAction& a) {
  TMainForm& main = mainForm;
  const bool hasGame = game.hasCompany();
  switch (a.verb) {
    case ActionVerb::New: {
      // F2 starts at most one game; later games start from the outcome dialogs.
      if (!main.NewGameMEnabled) return ActionResult::Ignored;
      requestedSeed_ = a.seed;
      run([&] { main.NewGameMClick(); });
      requestedSeed_.reset();
      a.seed = lastClockSeed_;
      return ActionResult::Done;
    }
    case ActionVerb::Tick: return tick(a);
    case ActionVerb::Speed:
      // Before the first game there is no clock to set.
      if (!hasGame || a.number > 5) return ActionResult::IgnoredQuietly;
      return done([&] { main.SetSpeed(static_cast<int>(a.number)); });
    case ActionVerb::Minimize:
      if (!hasGame) return ActionResult::IgnoredQuietly;
      return done([&] { main.ApplicationEvents1Minimize(); });
    case ActionVerb::Restore:
      if (!hasGame) return ActionResult::IgnoredQuietly;
      return done([&] { main.ApplicationEvents1Restore(); });
    case ActionVerb::Help: return done([&] { main.Help1Click(); });
    case ActionVerb::About: return done([&] { main.About1Click(); });
    case ActionVerb::Click: return click(a.control);
    case ActionVerb::Close: return close(a.control);
    case ActionVerb::Spin:
      if (a.control != Control::MainPSpn || !hasGame || !main.spinEnabled())
        return ActionResult::Ignored;
      // Each click is its own event: a locked quantity refuses every one of them.
      // A click that leaves the quantity and its step as they were, refusing
      // nothing, changed nothing: every click after it would do the same.
      for (uint64_t i = 0; i < a.number; ++i) {
        const SpinEdit before = main.PSpn;
        bool refused = false;
        run([&] {
          try {
            main.spinClick(a.direction);
          } catch (const CommandError&) {
            refused = true;
            throw;
          }
        });
        if (!refused && main.PSpn.value == before.value && main.PSpn.increment == before.increment)
          break;
      }
      return ActionResult::Done;
    case ActionVerb::Choose: return choose(a.control, a.number);
    case ActionVerb::Select: return select(a.control, a.number);
  }
  return ActionResult::Ignored;
}

ActionResult Program::tick(PlayerAction& a) {
  // A timer event arrives only while the timer runs.
  uint64_t ran = 0;
  while (ran < a.number && !ended && game.hasCompany() && mainForm.timerRuns()) {
    run([&] { clock.Timer1Timer(); });
    ++ran;
  }
  a.number = ran;
  return ran > 0 ? ActionResult::Done : ActionResult::IgnoredQuietly;
}

ActionResult Program::click(Control c) {
  TMainForm& main = mainForm;
  const bool hasGame = game.hasCompany();
  if (const std::optional<MainButton> b = mainButtonOf(c)) {
    // The buttons stay enabled before the first game, but have nothing to act on.
    return when(hasGame && main.enabled(*b), [&] { main.click(*b); });
  }
  TPersForm& pers = persForm;
  TBuildForm& build = buildForm;
  TActionForm& actions = actionForm;
  // The controls of a window that is not shown (or, for the buildings window,
  // that the clock has disabled as a whole) ignore every click.
  const bool persOpen = pers.visible;
  const bool buildOpen = build.visible && build.enabled;
  const bool actionsOpen = actions.visible;
  switch (c) {
    case Control::MainTimeLbl:
      if (!hasGame) return ActionResult::IgnoredQuietly;
      return done([&] { main.TimeLblClick(); });
    case Control::MainImg1on:
    case Control::MainImg2on:
    case Control::MainImg3on:
    case Control::MainImg4on:
      if (!hasGame) return ActionResult::IgnoredQuietly;
      return done([&] {
        main.LampClick(static_cast<int>(c) - static_cast<int>(Control::MainImg1on) + 1);
      });
    case Control::PersUpBtn:
      return when(persOpen, [&] { pers.UpBtnClick(); });
    case Control::PersLoBtn:
      return when(persOpen, [&] { pers.LoBtnClick(); });
    case Control::PersWokrersBtn:
      return when(persOpen && pers.WokrersBtnEnabled, [&] { pers.WokrersBtnClick(); });
    case Control::PersBuildingsBtn:
      return when(persOpen, [&] { pers.BuildingsBtnClick(); });
    case Control::PersFireBtn:
      return when(persOpen && pers.FireBtnEnabled, [&] { pers.FireBtnClick(); });
    case Control::PersCloseBtn:
      return when(persOpen, [&] { pers.CloseBtnClick(); });
    case Control::PersGradBtn1:
      return when(persOpen, [&] { pers.GradBtn1Click(); });
    case Control::BuildRemBtn:
      return when(buildOpen && build.RemBtnEnabled, [&] { build.RemBtnClick(); });
    case Control::BuildUpgBtn:
      return when(buildOpen && build.UpgBtnEnabled, [&] { build.UpgBtnClick(); });
    case Control::BuildFireBtn:
      return when(buildOpen, [&] { build.FireBtnClick(); });
    case Control::BuildCloseBtn:
      // The Ok button sits in the window and is disabled with it at night.
      return when(buildOpen, [&] { build.CloseBtnClick(); });
    case Control::BuildGradBtn1:
      return when(buildOpen, [&] { build.GradBtn1Click(); });
    case Control::ActionUpSalBtn:
      return when(actionsOpen, [&] { actions.UpSalBtnClick(); });
    case Control::ActionPayPremBtn:
      return when(actionsOpen, [&] { actions.PayPremBtnClick(); });
    case Control::ActionGradBtn1:
      return when(actionsOpen, [&] { actions.GradBtn1Click(); });
    case Control::ActionAdBtn:
      return when(actionsOpen && actions.AdBtnEnabled, [&] { actions.AdBtnClick(); });
    default: return ActionResult::Ignored;
  }
}

ActionResult Program::close(Control window) {
  switch (window) {
    case Control::PersForm: return when(persForm.visible, [&] { persForm.FormClose(); });
    case Control::BuildForm:
      // The close box works at any hour, also while the clock has disabled the
      // window at night.
      return when(buildForm.visible, [&] { buildForm.FormClose(); });
    case Control::ActionForm: return when(actionForm.visible, [&] { actionForm.FormClose(); });
    default: return ActionResult::Ignored;
  }
}

ActionResult Program::choose(Control box, uint64_t item) {
  if (item >= static_cast<uint64_t>(controlItems(box))) return ActionResult::Ignored;
  const int i = static_cast<int>(item);
  switch (box) {
    case Control::PersBox: return when(persForm.visible, [&] { persForm.choose(i); });
    case Control::BuildBox:
      return when(buildForm.visible && buildForm.enabled, [&] { buildForm.choose(i); });
    case Control::ActionDivBox:
      return when(actionForm.visible, [&] { actionForm.chooseDepartment(i); });
    case Control::ActionAdBox:
      return when(actionForm.visible, [&] { actionForm.chooseCampaign(i); });
    default: return ActionResult::Ignored;
  }
}

ActionResult Program::select(Control list, uint64_t entry) {
  // A click past the last entry hits no entry.
  auto hits = [entry](int entries) { return entry < static_cast<uint64_t>(entries); };
  const int i = static_cast<int>(entry);
  switch (list) {
    case Control::PersList:
      return when(persForm.visible && hits(persForm.PersList.size()),
                  [&] { persForm.select(i); });
    case Control::BuildList:
      return when(buildForm.visible && buildForm.enabled && hits(buildForm.BuildList.size()),
                  [&] { buildForm.select(i); });
    default: return ActionResult::Ignored;
  }
}

}  // namespace kelpmark
