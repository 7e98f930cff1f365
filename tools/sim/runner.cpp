// SPDX-License-Identifier: GPL-3.0-or-later
#include "runner.h"

#include "commands/lifecycle.h"
#include "commands/saved_game.h"
#include "commands/state_dump.h"
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

void LogView::message(const Text& text) { line("message: " + text.russian()); }

void LogView::error(const Text& text) { line("error: " + text.russian()); }

Answer LogView::question(const Text& text, QuestionKind, bool withCancel) {
  Answer a = Answer::Yes;
  if (!answers_.empty()) {
    a = answers_.front();
    answers_.pop_front();
  }
  const char* word = a == Answer::Yes ? "yes" : a == Answer::No ? "no" : "cancel";
  line("question: " + text.russian() + " -> " + word);
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

Runner::Runner(std::ostream& out) : view_(out) {
  ProgramOptions options;
  options.welcomeText = headlessWelcomeText();
  // `new S` sets the clock seed to S; every new game takes it and adds 1.
  options.clockSeed = [this](std::optional<uint32_t> requested) {
    if (requested) clockSeed_ = *requested;
    return clockSeed_++;
  };
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

void Runner::execute(const Command& c) {
  Program& p = *program_;
  switch (c.verb) {
    case Verb::Action:
      if (p.perform(c.action) == ActionResult::Ignored) view_.line("ignored: " + c.joined());
      return;
    case Verb::Resume:
      clockSeed_ = c.seed;
      removeStaleSaveTemporary(c.path);
      if (!savedGameExists(c.path)) return;
      view_.line(std::string("question: ") + kResumeQuestion.source + " -> yes");
      p.run([&] { resumeSavedGame(p, c.path); });
      return;
    case Verb::Answer:
      for (const auto& a : c.answers) view_.queueAnswer(a);
      return;
    case Verb::Save:
      if (!p.game.hasCompany()) return view_.line("ignored: " + c.joined());
      view_.line(std::string("saved: ") + (saveCurrentGame(p, c.path) ? "true" : "false"));
      return;
    case Verb::Dump:
      for (const std::string& line : dumpLines(p)) view_.line(line);
      return;
    case Verb::Books:
      for (const std::string& line : booksLines(p)) view_.line(line);
      return;
  }
}

}  // namespace kelpmark::sim
