// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game_ui.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>

#include "commands/recovery.h"
#include "ui/action_window.h"
#include "ui/build_window.h"
#include "ui/finance_window.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/pers_window.h"
#include "ui/qt_view_port.h"
#include "ui/save_location.h"
#include "ui/report_window.h"
#include "ui/results_window.h"
#include "ui/translations.h"
#include "ui/welcome_window.h"
#include "ui/window_look.h"

// Resources compiled into the static ui library are registered by hand.
static void initKelpmarkResources() {
  Q_INIT_RESOURCE(art);
  Q_INIT_RESOURCE(help);
}

namespace kelpmark::ui {

namespace {
const Marked kResultsWriteFailed =
    KM_TR("Messages",
          "Не удается записать таблицу рекордов: %1.\n%2\nЭта игра останется в «Рекордах» "
          "только до выхода из программы.");
}  // namespace

std::string GameUi::welcomeText() {
  const std::string gap(20, ' ');
  return gap + "WELCOME TO THE KELPMARK" + gap + "PRESS F2 TO START!" + gap +
         "(C) 2001 VORLENT GAMES  KELPMARK.EXAMPLE.ORG" + gap;
}

GameUi::GameUi(GameUiOptions options, QObject* parent)
    : QObject(parent),
      translations_(std::make_unique<Translations>(options.language)),
      view_(std::make_unique<QtViewPort>()) {
  initKelpmarkResources();
  ProgramOptions po;
  po.format = formatFor(options.language);
  po.welcomeText = welcomeText();
  po.clockSeed = [fixed = options.fixedSeed, consecutive = options.consecutiveSeeds,
                  next = std::optional<uint32_t>()](std::optional<uint32_t> requested) mutable {
    uint32_t seed = fixed != 0 ? fixed : static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch());
    if (requested)
      seed = *requested;
    else if (next)
      seed = *next;
    if (consecutive) next = seed + 1;
    return seed;
  };
  program_ = std::make_unique<Program>(*view_, std::move(po));

  main_ = std::make_unique<MainWindow>(
      *program_, *view_, options.savePath,
      options.resumePath.isEmpty() ? options.savePath : options.resumePath);
  main_->setRecoveryPath(options.recoveryPath);
  pers_ = new PersWindow(*program_, *main_);
  build_ = new BuildWindow(*program_, *main_);
  welcome_ = new WelcomeWindow(main_.get(), options.language);
  report_ = new ReportWindow(*program_, main_.get());
  action_ = new ActionWindow(*program_, *main_);
  help_ = new HelpWindow(main_.get(), options.language);
  finance_ = new FinanceWindow(*program_, main_.get());
  results_ = new ResultsWindow(program_->game, main_.get());
  resultsPath_ = options.resultsPath;

  view_->setParentWindow(main_.get());
  view_->setModalHandlers(
      [this] {
        report_->syncFromGame();
        centreOnScreen(report_);
        report_->exec();
      },
      [this] {
        centreOnScreen(welcome_);
        welcome_->exec();
      });
  view_->setBeforeModal([this] { main_->syncFromGame(); });
  view_->setHelpHandler([this](int topic) { showHelp(topic); });
  connect(welcome_, &WelcomeWindow::webRequested, this, [this] { view_->openWeb(); });
  connect(main_.get(), &MainWindow::helpRequested, this, &GameUi::showHelp);
  connect(welcome_, &WelcomeWindow::helpRequested, this, &GameUi::showHelp);
  connect(report_, &ReportWindow::helpRequested, this, &GameUi::showHelp);
  connect(pers_, &SecondaryWindow::helpRequested, this, &GameUi::showHelp);
  connect(build_, &SecondaryWindow::helpRequested, this, &GameUi::showHelp);
  connect(action_, &SecondaryWindow::helpRequested, this, &GameUi::showHelp);
  connect(finance_, &FinanceWindow::helpRequested, this, &GameUi::showHelp);
  connect(results_, &ResultsWindow::helpRequested, this, &GameUi::showHelp);
  connect(main_.get(), &MainWindow::resultsRequested, this, &GameUi::showResults);
  view_->setFinishedHandler([this](const GameResult& r) { gameFinished(r); });
  // A game that ends the program shows its result before the windows go.
  connect(main_.get(), &MainWindow::programEnding, this, [this] {
    if (finished_) showResults();
  });
  connect(main_.get(), &MainWindow::financeRequested, finance_, &FinanceWindow::showFollowing);
  connect(report_, &ReportWindow::financeRequested, this, [this] { finance_->showOver(report_); });
  connect(main_.get(), &MainWindow::gameChanged, this, &GameUi::syncAll);
}

GameUi::~GameUi() = default;

void GameUi::show() {
  centreOnScreen(main_.get());
  main_->show();
}

void GameUi::syncAll() {
  pers_->syncFromGame();
  build_->syncFromGame();
  action_->syncFromGame();
  if (finance_->isVisible()) finance_->syncFromGame();
}

void GameUi::showHelp(int topic) { help_->showTopic(topic); }

void GameUi::gameFinished(GameResult result) {
  // The date played is the real one, to the minute, in local time.
  result.played = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString();
  // Written at once: a game that has ended stays in the results whatever follows.
  // When the disk does not take it, the player learns that it is kept only until
  // the program ends.
  int error = 0;
  if (!resultsPath_.isEmpty() && !addResult(nativePath(resultsPath_), result, &error))
    view_->message(Text(kResultsWriteFailed).arg(diskErrorText(error)).arg(nativePath(resultsPath_)));
  finished_ = result;
  // «Рекорды» follows the answer to the outcome's question, once the event that
  // ended the game is over; a game that ends the program shows it at the end.
  connect(main_.get(), &MainWindow::gameChanged, this, [this] {
    QTimer::singleShot(0, this, [this] {
      if (finished_ && !view_->endRequested()) showResults();
    });
  }, Qt::SingleShotConnection);
}

void GameUi::showResults() {
  std::vector<GameResult> results =
      resultsPath_.isEmpty() ? std::vector<GameResult>() : readResults(nativePath(resultsPath_));
  const std::optional<GameResult> fresh = std::exchange(finished_, std::nullopt);
  // A result the disk did not take is still shown.
  if (fresh) {
    const auto kept = std::find_if(results.begin(), results.end(), [&](const GameResult& r) {
      return r.played == fresh->played && r.ended == fresh->ended && r.value == fresh->value;
    });
    if (kept == results.end()) results.push_back(*fresh);
  }
  results_->setResults(results, fresh ? &*fresh : nullptr);
  view_->runModal([this] {
    fitToScreen(results_);
    centreOnScreen(results_);
    results_->exec();
  });
}

}  // namespace kelpmark::ui
