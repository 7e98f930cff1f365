// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Qt game: the program's state and all its windows, created once in the
// game's order (main, personnel, buildings, welcome, reports, actions).
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "commands/program.h"
#include "ui/language.h"

namespace kelpmark::ui {

class QtViewPort;
class MainWindow;
class PersWindow;
class BuildWindow;
class WelcomeWindow;
class ReportWindow;
class ActionWindow;
class HelpWindow;
class FinanceWindow;
class ResultsWindow;
class Translations;

struct GameUiOptions {
  // Every save goes to savePath; a resume reads resumePath (empty: savePath).
  QString savePath;
  QString resumePath;
  // The recovery file kept while a game runs (empty: none is kept).
  QString recoveryPath;
  // The results of finished games (empty: none are kept).
  QString resultsPath;
  // A fixed seed for every new game (tests); 0 takes the system clock.
  uint32_t fixedSeed = 0;
  // Every new game after the first takes the seed before it plus 1, as the scenario
  // runner counts (while the game is recorded, so that its script plays it again).
  bool consecutiveSeeds = false;
  // The language of every window, message, help page and of Qt's own texts, and how
  // numbers and dates are written.
  Language language = Language::Russian;
};

class GameUi : public QObject {
  Q_OBJECT
 public:
  explicit GameUi(GameUiOptions options, QObject* parent = nullptr);
  ~GameUi() override;

  Program& program() { return *program_; }
  QtViewPort& view() { return *view_; }
  MainWindow& mainWindow() { return *main_; }
  PersWindow& persWindow() { return *pers_; }
  BuildWindow& buildWindow() { return *build_; }
  WelcomeWindow& welcomeWindow() { return *welcome_; }
  ReportWindow& reportWindow() { return *report_; }
  ActionWindow& actionWindow() { return *action_; }
  HelpWindow& helpWindow() { return *help_; }
  FinanceWindow& financeWindow() { return *finance_; }
  ResultsWindow& resultsWindow() { return *results_; }
  // Shows «Рекорды» until it is closed, with the game just finished (if any)
  // highlighted.
  void showResults();

  // Shows the main window; the rest is shown on demand.
  void show();
  void syncAll();

  // The ticker's welcome text with the maker's credit line.
  static std::string welcomeText();

 private:
  void showHelp(int topic);
  // Keeps a finished game's result and shows it once the event is over.
  void gameFinished(GameResult result);

  // The game's and Qt's texts in the game's language for as long as its windows exist.
  std::unique_ptr<Translations> translations_;
  std::unique_ptr<QtViewPort> view_;
  std::unique_ptr<Program> program_;
  std::unique_ptr<MainWindow> main_;
  PersWindow* pers_ = nullptr;
  BuildWindow* build_ = nullptr;
  WelcomeWindow* welcome_ = nullptr;
  ReportWindow* report_ = nullptr;
  ActionWindow* action_ = nullptr;
  HelpWindow* help_ = nullptr;
  FinanceWindow* finance_ = nullptr;
  ResultsWindow* results_ = nullptr;
  QString resultsPath_;
  // The result of the game that has just ended, until «Рекорды» has shown it.
  std::optional<GameResult> finished_;
};

}  // namespace kelpmark::ui
