// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's events: clicks, the game timer, minimize and restore, the
// first showing and closing; and bringing the controls up to the game's state.
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFrame>
#include <QWindowStateChangeEvent>

#include "commands/lifecycle.h"
#include "commands/program.h"
#include "commands/recovery.h"
#include "model/calendar.h"
#include "ui/lamp_widget.h"
#include "ui/main_window.h"
#include "ui/money_texts.h"
#include "ui/quantity_spin_box.h"
#include "ui/qt_view_port.h"
#include "ui/save_location.h"
#include "widgets/dot_matrix_ticker.h"
#include "widgets/gradient_button.h"
#include "widgets/shadow_label.h"
#include "widgets/xy_plot.h"

namespace kelpmark::ui {

MainWindow::~MainWindow() {
  if (cursorOverridden_) QApplication::restoreOverrideCursor();
}

void MainWindow::runCommand(const std::function<void()>& command, QWidget* actingWindow) {
  if (program_.ended) return;
  {
    QtViewPort::ActingWindow acting(view_, actingWindow != nullptr ? actingWindow : this);
    program_.run(command);
  }
  syncFromGame();
  emit gameChanged();
}

ActionResult MainWindow::perform(const PlayerAction& action, QWidget* actingWindow) {
  if (program_.performing()) {
    deferred_.emplace_back(action, actingWindow);
    return ActionResult::IgnoredQuietly;
  }
  ActionResult result = ActionResult::IgnoredQuietly;
  runCommand([&] { result = program_.perform(action); }, actingWindow);
  while (!deferred_.empty()) {
    const PlayerAction next = deferred_.front().first;
    QWidget* const window = deferred_.front().second.data();
    deferred_.pop_front();
    runCommand([&] { program_.perform(next); }, window);
  }
  return result;
}

void MainWindow::timerTick() {
  // No tick runs while a message, question or modal window is open.
  if (view_.modalOpen()) return;
  QElapsedTimer clock;
  clock.start();
  const uint64_t checkpoint = program_.mainForm.checkpoint;
  perform(PlayerAction::tick());
  // Once a tick that ran a daily step (or started a game) is over, with nothing of
  // it still open, the game is kept for a restart after a crash. A failed write
  // leaves the last good file and is told once; the game goes on either way.
  if (!recoveryPath_.isEmpty() && !program_.ended && program_.mainForm.checkpoint != checkpoint)
    runCommand([this] { recoveryWriter_.write(program_, nativePath(recoveryPath_)); });
  repaint();
  lastTickMicros_ = clock.nsecsElapsed() / 1000;
}

void MainWindow::syncTimer() {
  const TMainForm& f = program_.mainForm;
  const bool run = program_.game.hasCompany() && f.timerRuns() && !view_.modalOpen() &&
                   !program_.ended;
  if (!run) {
    timer_.stop();
  } else if (!timer_.isActive() || timer_.interval() != f.TimerInterval) {
    timer_.start(f.TimerInterval);
  }
}

void MainWindow::syncFromGame() {
  const TMainForm& f = program_.mainForm;
  for (size_t i = 0; i < kMainLabelCount; ++i) {
    const auto l = static_cast<MainLabel>(i);
    labels_[i]->setText(l == MainLabel::TimeLbl ? clockText_(f.clockText())
                                                : labelTexts_[i](f.label(l)));
  }
  for (size_t i = 0; i < kMainButtonCount; ++i)
    buttons_[i]->setEnabled(f.enabled(static_cast<MainButton>(i)));
  fishPanel_->setEnabled(f.FishPanelEnabled);
  quantity_->setEnabled(f.spinEnabled());
  quantity_->setState(f.PSpn.value, f.PSpn.minValue, f.PSpn.maxValue);
  for (int k = 1; k <= 4; ++k) lamps_[static_cast<size_t>(k - 1)]->setLit(f.lampOn[static_cast<size_t>(k - 1)]);
  newGame_->setEnabled(f.NewGameMEnabled);
  // The books exist from the first game on.
  finance_->setEnabled(program_.game.hasCompany());
  const Ticker& t = program_.game.ticker;
  if (t.version() != tickerVersion_) {
    tickerVersion_ = t.version();
    ticker_->setText(QString::fromStdString(t.firstLine()));
  }
  syncChart();
  syncMoneyToolTip();
  if (f.forbiddenCursor != cursorOverridden_) {
    if (f.forbiddenCursor)
      QApplication::setOverrideCursor(Qt::ForbiddenCursor);
    else
      QApplication::restoreOverrideCursor();
    cursorOverridden_ = f.forbiddenCursor;
  }
  syncTimer();
}

void MainWindow::syncChart() {
  const PriceChart& c = program_.mainForm.chart;
  if (c.version == chartVersion_) return;
  chartVersion_ = c.version;
  chart_->setSeriesData(0, &c.line1.points);
  chart_->setSeriesData(1, &c.line2.points);
  chart_->setSeriesData(2, &c.line3.points);
  chart_->setAxisRange(widgets::XYPlot::Axis::Bottom, c.bottomMin, c.bottomMax);
  chart_->dataChanged();
}

void MainWindow::syncMoneyToolTip() {
  const Game& g = program_.game;
  const TCorporation* c = g.hasCompany() ? &g.corp() : nullptr;
  const int64_t day = c != nullptr ? decodeDate(g.values.clock.GameDate).day : 0;
  const uint64_t books = c != nullptr ? c->books.version() : 0;
  if (c == toolTipCompany_ && books == toolTipBooks_ && day == toolTipDay_) return;
  toolTipCompany_ = c;
  toolTipBooks_ = books;
  toolTipDay_ = day;
  label(MainLabel::MoneyLbl)->setToolTip(moneyFlowsToolTip(g));
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!firstShow_) return;
  firstShow_ = false;
  ticker_->start();
  // The resume question comes once the window is on the screen.
  QTimer::singleShot(0, this, [this] {
    runCommand([this] {
      const std::string recovery =
          recoveryPath_.isEmpty() ? std::string() : nativePath(recoveryPath_);
      FormShow(program_, nativePath(resumePath_), recovery);
    });
  });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (program_.ended || closing_) {
    event->accept();
    return;
  }
  bool mayClose = true;
  program_.run([&] { mayClose = FormCloseQuery(program_, nativePath(savePath_)); });
  syncFromGame();
  emit gameChanged();
  if (mayClose) {
    closing_ = true;
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  const auto* change = static_cast<QWindowStateChangeEvent*>(event);
  const bool wasMinimized = change->oldState() & Qt::WindowMinimized;
  const bool minimized = windowState() & Qt::WindowMinimized;
  if (minimized && !wasMinimized)
    perform(PlayerAction::plain(ActionVerb::Minimize));
  else if (!minimized && wasMinimized)
    perform(PlayerAction::plain(ActionVerb::Restore));
}

void MainWindow::programEnded() {
  timer_.stop();
  emit programEnding();
  if (cursorOverridden_) {
    QApplication::restoreOverrideCursor();
    cursorOverridden_ = false;
  }
  close();
  QApplication::quit();
}

}  // namespace kelpmark::ui
