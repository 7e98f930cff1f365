#include "runner.h"

#include "commands/lifecycle.h"
#include "engine/game.h"
#include "model/save_disk.h"
#include "model/save_file.h"
#include "model/text_format.h"

namespace kelpmark::sim {

std::string headlessWelcomeText() {
  const std::string gap(20, ' ');
  return gap + "WELCOME TO THE KELPMARK" + gap + "PRESS F2 TO START!" + gap;
}

void LogView::line(const std::string& text) { out_ << escapeLineBreaks(text) << '\n'; }

void LogView::queueAnswer(const std::string& a) {
  answers_.push_back(a == "yes" ? Answer::Yes : a == "no" ? Answer::No : Answer::Cancel);
}

void LogView::message(const std::string& text) { line("message: " + text); }

void LogView::error(const std::string& text) { line("error: " + text); }

Answer LogView::question(const std::string& text, QuestionKind, bool withCancel) {
  Answer a = Answer::Yes;
  if (!answers_.empty()) {
    a = answers_.front();
    answers_.pop_front();
  }
  const char* word = a == Answer::Yes ? "yes" : a == Answer::No ? "no" : "cancel";
  line("question: " + text + " -> " + word);
  if (a == Answer::Cancel && !withCancel) return Answer::No;
  return a;
}

void LogView::showModal(ModalWindow window) {
  if (window == ModalWindow::WelcomeForm) {
    line("show: WelcomeForm");
    return;
  }
  line("show: ReportForm");
  for (size_t i = 0; i < kReportLabelCount; ++i) {
    const auto l = static_cast<ReportLabel>(i);
    line(std::string("label: ") + reportLabelName(l) + " " +
         program_->reportForm.label(l).text());
  }
}

void LogView::openHelp(int topic) { line("help: " + std::to_string(topic)); }

void LogView::openWeb() { line("web"); }

Runner::Runner(std::ostream& out) : out_(out), view_(out) {
  ProgramOptions options;
  options.welcomeText = headlessWelcomeText();
  options.clockSeed = [this] { return clockSeed_++; };
  program_ = std::make_unique<Program>(view_, std::move(options));
  view_.attach(program_.get());
}

void Runner::run(const std::vector<Command>& commands) {
  if (program_->ended) return;
  for (const Command& c : commands) {
    execute(c);
    if (program_->ended) {
      view_.line("end");
      return;
    }
  }
}

void Runner::ignored(const Command& c) { view_.line("ignored: " + c.joined()); }

void Runner::tick(uint64_t count) {
  TMainForm& main = program_->mainForm;
  for (uint64_t i = 0; i < count; ++i) {
    if (!program_->game.hasCompany() || !main.timerRuns()) return;
    program_->run([&] { main.Timer1Timer(); });
    if (program_->ended) return;
  }
}

void Runner::execute(const Command& c) {
  Program& p = *program_;
  TMainForm& main = p.mainForm;
  const bool hasGame = p.game.hasCompany();
  switch (c.verb) {
    case Verb::New:
      if (!main.NewGameMEnabled) return ignored(c);
      clockSeed_ = c.seed;
      p.run([&] { main.NewGameMClick(); });
      return;
    case Verb::Resume:
      clockSeed_ = c.seed;
      removeStaleSaveTemporary(c.path);
      if (!savedGameExists(c.path)) return;
      view_.line(std::string("question: ") + kResumeQuestion + " -> yes");
      p.run([&] { resumeSavedGame(p, c.path); });
      return;
    case Verb::Tick: return tick(c.count);
    case Verb::Speed: return p.run([&] { main.SetSpeed(static_cast<int>(c.count)); });
    case Verb::Minimize: return p.run([&] { main.ApplicationEvents1Minimize(); });
    case Verb::Restore: return p.run([&] { main.ApplicationEvents1Restore(); });
    case Verb::Help: return p.run([&] { main.Help1Click(); });
    case Verb::About: return p.run([&] { main.About1Click(); });
    case Verb::Click: return click(c);
    case Verb::Close: {
      if (c.target == "PersForm") {
        if (!p.persForm.visible) return ignored(c);
        return p.run([&] { p.persForm.FormClose(); });
      }
      if (c.target == "BuildForm") {
        if (!p.buildForm.visible || !p.buildForm.enabled) return ignored(c);
        return p.run([&] { p.buildForm.FormClose(); });
      }
      if (!p.actionForm.visible) return ignored(c);
      return p.run([&] { p.actionForm.FormClose(); });
    }
    case Verb::Spin:
      if (!hasGame || !main.spinEnabled()) return ignored(c);
      for (uint64_t i = 0; i < c.count; ++i) p.run([&] { main.spinClick(c.direction); });
      return;
    case Verb::Choose: {
      const int item = static_cast<int>(c.count);
      if (c.target == "PersForm.PersBox") {
        if (!p.persForm.visible) return ignored(c);
        return p.run([&] { p.persForm.choose(item); });
      }
      if (c.target == "BuildForm.BuildBox") {
        if (!p.buildForm.visible || !p.buildForm.enabled) return ignored(c);
        return p.run([&] { p.buildForm.choose(item); });
      }
      if (!p.actionForm.visible) return ignored(c);
      if (c.target == "ActionForm.DivBox") return p.run([&] { p.actionForm.chooseDepartment(item); });
      return p.run([&] { p.actionForm.chooseCampaign(item); });
    }
    case Verb::Select: {
      if (c.target == "PersForm.PersList") {
        if (!p.persForm.visible || c.count >= static_cast<uint64_t>(p.persForm.PersList.size())) return ignored(c);
        return p.run([&] { p.persForm.select(static_cast<int>(c.count)); });
      }
      if (!p.buildForm.visible || !p.buildForm.enabled || c.count >= static_cast<uint64_t>(p.buildForm.BuildList.size()))
        return ignored(c);
      return p.run([&] { p.buildForm.select(static_cast<int>(c.count)); });
    }
    case Verb::Answer:
      for (const auto& a : c.answers) view_.queueAnswer(a);
      return;
    case Verb::Save:
      if (!hasGame) return ignored(c);
      view_.line(std::string("saved: ") + (saveCurrentGame(p, c.path) ? "true" : "false"));
      return;
    case Verb::Dump: return dump();
  }
}

void Runner::click(const Command& c) {
  Program& p = *program_;
  TMainForm& main = p.mainForm;
  const std::string& t = c.target;
  const bool hasGame = p.game.hasCompany();
  if (t.rfind("MainForm.", 0) == 0) {
    const std::string name = t.substr(9);
    if (name == "TimeLbl") {
      if (hasGame) p.run([&] { main.TimeLblClick(); });
      return;
    }
    if (name.rfind("Img", 0) == 0) {
      if (hasGame) p.run([&] { main.LampClick(name[3] - '0'); });
      return;
    }
    for (size_t i = 0; i < kMainButtonCount; ++i) {
      const auto b = static_cast<MainButton>(i);
      if (name != mainButtonName(b)) continue;
      if (!hasGame || !main.enabled(b)) return ignored(c);
      return p.run([&] { main.click(b); });
    }
    return ignored(c);
  }
  if (t.rfind("PersForm.", 0) == 0) {
    TPersForm& w = p.persForm;
    const std::string name = t.substr(9);
    if (!w.visible) return ignored(c);
    if (name == "UpBtn") return p.run([&] { w.UpBtnClick(); });
    if (name == "LoBtn") return p.run([&] { w.LoBtnClick(); });
    if (name == "WokrersBtn") {
      if (!w.WokrersBtnEnabled) return ignored(c);
      return p.run([&] { w.WokrersBtnClick(); });
    }
    if (name == "BuildingsBtn") return p.run([&] { w.BuildingsBtnClick(); });
    if (name == "FireBtn") {
      if (!w.FireBtnEnabled) return ignored(c);
      return p.run([&] { w.FireBtnClick(); });
    }
    if (name == "CloseBtn") return p.run([&] { w.FormClose(); });
    return p.run([&] { w.GradBtn1Click(); });
  }
  if (t.rfind("BuildForm.", 0) == 0) {
    TBuildForm& w = p.buildForm;
    const std::string name = t.substr(10);
    if (!w.visible || !w.enabled) return ignored(c);
    if (name == "RemBtn") {
      if (!w.RemBtnEnabled) return ignored(c);
      return p.run([&] { w.RemBtnClick(); });
    }
    if (name == "UpgBtn") {
      if (!w.UpgBtnEnabled) return ignored(c);
      return p.run([&] { w.UpgBtnClick(); });
    }
    if (name == "FireBtn") return p.run([&] { w.FireBtnClick(); });
    if (name == "CloseBtn") return p.run([&] { w.FormClose(); });
    return p.run([&] { w.GradBtn1Click(); });
  }
  TActionForm& w = p.actionForm;
  const std::string name = t.substr(11);
  if (!w.visible) return ignored(c);
  if (name == "UpSalBtn") return p.run([&] { w.UpSalBtnClick(); });
  if (name == "PayPremBtn") return p.run([&] { w.PayPremBtnClick(); });
  if (name == "GradBtn1") return p.run([&] { w.GradBtn1Click(); });
  if (!w.AdBtnEnabled) return ignored(c);
  return p.run([&] { w.AdBtnClick(); });
}

}  // namespace kelpmark::sim
