// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: it shows the state the game keeps for it and forwards every
// click, key and timer event to the game's handlers.
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <deque>
#include <functional>

#include "commands/main_form.h"
#include "commands/program_observer.h"
#include "commands/recovery.h"
#include "ui/shown_text.h"

class QAction;
class QFrame;
class QGroupBox;

namespace kelpmark {
class Program;
namespace widgets {
class DotMatrixTicker;
class GradientButton;
class ShadowLabel;
class XYPlot;
}  // namespace widgets
}  // namespace kelpmark

namespace kelpmark::ui {

class QtViewPort;
class QuantitySpinBox;
class LampWidget;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow(Program& program, QtViewPort& view, QString savePath, QString resumePath,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // Hands one action of the player (a click, a menu item, a tick) to the game and
  // shows its result. Its boxes open over the window the player acted in (this
  // one by default). An action that comes while another runs (the window
  // minimized while a tick's question is open) runs after it, so that actions
  // never interleave; it counts as ignored at first.
  ActionResult perform(const PlayerAction& action, QWidget* actingWindow = nullptr);
  // Runs one event of the program's own (start-up) and shows its result.
  void runCommand(const std::function<void()>& command, QWidget* actingWindow = nullptr);
  // Brings every control up to the game's state.
  void syncFromGame();
  // One tick of the game timer, as the timer delivers it.
  void timerTick();
  // Where the running game is kept after every game day (empty: nowhere).
  void setRecoveryPath(const QString& path) { recoveryPath_ = path; }
  // The game timer (for tests and measurements).
  QTimer& gameTimer() { return timer_; }
  widgets::GradientButton* button(MainButton b) const { return buttons_[static_cast<size_t>(b)]; }
  widgets::ShadowLabel* label(MainLabel l) const { return labels_[static_cast<size_t>(l)]; }
  QuantitySpinBox* quantity() const { return quantity_; }
  widgets::DotMatrixTicker* ticker() const { return ticker_; }
  widgets::XYPlot* chart() const { return chart_; }
  LampWidget* lamp(int k) const { return lamps_[static_cast<size_t>(k - 1)]; }
  QAction* newGameAction() const { return newGame_; }
  QAction* financeAction() const { return finance_; }
  QAction* resultsAction() const { return results_; }
  // Time spent in the last tick's handler and repaint, in microseconds.
  qint64 lastTickMicros() const { return lastTickMicros_; }

 signals:
  void helpRequested(int topic);
  // The menu's «Финансы» and «Рекорды».
  void financeRequested();
  void resultsRequested();
  // After every event of the game: the other windows show its result too.
  void gameChanged();
  // The program is about to end (the windows still stand).
  void programEnding();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildLeftColumn(QWidget* central);
  void buildCommandButtons(QWidget* central);
  void buildPanels(QWidget* central);
  void buildMenus();
  widgets::GradientButton* makeButton(MainButton b, const QString& caption, QWidget* parent,
                                      int x, int y, int width, bool olive);
  widgets::ShadowLabel* makeLabel(MainLabel l, QWidget* parent, int x, int y, int w, int h);
  void syncTimer();
  void syncChart();
  // The money label's tooltip: the day's and the month's largest flows.
  void syncMoneyToolTip();
  void programEnded();

  Program& program_;
  QtViewPort& view_;
  QString savePath_;
  QString resumePath_;
  QString recoveryPath_;
  RecoveryWriter recoveryWriter_;
  std::deque<std::pair<PlayerAction, QPointer<QWidget>>> deferred_;
  QTimer timer_;
  bool firstShow_ = true;
  bool cursorOverridden_ = false;
  bool closing_ = false;
  unsigned chartVersion_ = ~0u;
  unsigned tickerVersion_ = ~0u;
  const void* toolTipCompany_ = nullptr;
  uint64_t toolTipBooks_ = 0;
  int64_t toolTipDay_ = 0;
  qint64 lastTickMicros_ = 0;

  std::array<widgets::GradientButton*, kMainButtonCount> buttons_{};
  std::array<widgets::ShadowLabel*, kMainLabelCount> labels_{};
  // What the labels show, in the game's language.
  std::array<ShownLabel, kMainLabelCount> labelTexts_{};
  ShownText clockText_;
  std::array<LampWidget*, 4> lamps_{};
  QuantitySpinBox* quantity_ = nullptr;
  QFrame* fishPanel_ = nullptr;
  widgets::DotMatrixTicker* ticker_ = nullptr;
  widgets::XYPlot* chart_ = nullptr;
  QAction* newGame_ = nullptr;
  QAction* finance_ = nullptr;
  QAction* results_ = nullptr;
};

}  // namespace kelpmark::ui
