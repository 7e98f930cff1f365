// SPDX-License-Identifier: GPL-3.0-or-later
// Time of the main window's tick (the game's handler and the repaint) at the top
// speed, for a month with an empty chart and for a month after a full game year
// of chart points: the chart keeps what it has drawn, so the two should cost
// about the same. Then what the open «Финансы» window adds to a tick with a full
// year of months: its refresh from the books (at most 0.2 ms), and its repaint.
// In either language (`--language en`; Russian by default): the windows show
// their texts in it at no cost a tick. Run under a real X display:
//   xvfb-run -a build/bench/ui_tick_bench [--language en]
#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QTableView>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "commands/program.h"
#include "ui/finance_window.h"
#include "ui/game_ui.h"
#include "ui/main_window.h"

using namespace kelpmark;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Any box the game opens is answered at once (Yes, or OK).
  QTimer answerer;
  QObject::connect(&answerer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      QAbstractButton* b = box->button(QMessageBox::Yes);
      if (b == nullptr) b = box->button(QMessageBox::Ok);
      if (b != nullptr) b->click();
    } else if (QWidget* w = QApplication::activeModalWidget()) {
      w->close();
    }
  });
  answerer.start(1);

  QTemporaryDir dir;
  ui::GameUiOptions options;
  options.savePath = dir.filePath("game.dat");
  options.fixedSeed = 42;
  const QStringList args = QApplication::arguments();
  const qsizetype asked = args.indexOf(QStringLiteral("--language"));
  if (asked >= 0) options.language = ui::languageNamed(args.value(asked + 1)).value_or(ui::Language::Russian);
  std::printf("language: %s\n", qPrintable(ui::languageCode(options.language)));
  ui::GameUi game(options);
  game.show();
  QApplication::processEvents();
  Program& p = game.program();
  ui::MainWindow& w = game.mainWindow();
  w.perform(PlayerAction::newGame());
  w.perform(PlayerAction::speed(5));
  w.gameTimer().stop();
  auto ms = [](qint64 us) { return static_cast<double>(us) / 1000.0; };

  // A year of hourly steps from January on, drawn once at the end. The company
  // is kept from losing its reputation so that one game lasts the whole year.
  p.game.values.clock.GameDate = 36892.25;
  for (int i = 0; i < 8700; ++i) {
    p.game.corp().ResultPoints = 0;
    p.perform(PlayerAction::tick());
  }
  w.syncFromGame();
  QApplication::processEvents();
  PriceChart& chart = p.mainForm.chart;
  std::printf("chart points: %zu\n",
              chart.line1.points.size() + chart.line2.points.size() + chart.line3.points.size());

  // A month of ticks at the top speed from January on.
  auto month = [&](std::vector<qint64>& micros, const std::function<void()>& beforeTick) {
    p.game.values.clock.GameDate = 36892.25;
    for (int i = 0; i < 30 * 24; ++i) {
      p.game.corp().ResultPoints = 0;
      beforeTick();
      w.timerTick();
      QApplication::processEvents();
      micros.push_back(w.lastTickMicros());
    }
  };
  // Months with an empty chart (its points dropped before every tick, so it
  // shows at most one a line) and months with the year's points take turns, so
  // that the load of the machine weighs on both alike.
  std::vector<qint64> empty, year;
  for (int round = 0; round < 3; ++round) {
    const PriceChart kept = chart;
    const int chartTick = p.game.values.clock.ChartTick;
    month(empty, [&] {
      chart.line1.clear();
      chart.line2.clear();
      chart.line3.clear();
    });
    const unsigned version = chart.version;
    chart = kept;
    chart.version = version + 1;
    p.game.values.clock.ChartTick = chartTick;
    month(year, [] {});
  }
  auto report = [&](const char* name, std::vector<qint64>& micros) {
    std::sort(micros.begin(), micros.end());
    std::printf("%s: tick handler + repaint over %zu ticks: median %.2f ms, 90%% %.2f ms, worst %.2f ms\n",
                name, micros.size(), ms(micros[micros.size() / 2]), ms(micros[micros.size() * 9 / 10]),
                ms(micros.back()));
    return ms(micros[micros.size() / 2]);
  };
  const double emptyMedian = report("empty chart", empty);
  const double yearMedian = report("a year of points", year);
  std::printf("median with a year of points / with an empty chart: %.2f\n", yearMedian / emptyMedian);

  // «Финансы» open over a year of months: every tick changes the money, so every
  // tick refreshes the table and the chart.
  // The real timer at 200 ms for a while: the ticks arrive on time.
  w.perform(PlayerAction::speed(5));
  QElapsedTimer clock;
  clock.start();
  const int before = p.game.values.clock.ChartTick;
  QTimer::singleShot(10000, &app, &QApplication::quit);
  app.exec();
  const int ticks = p.game.values.clock.ChartTick - before;
  std::printf("real timer at 200 ms: %d ticks in %.1f s (expected about %.0f)\n", ticks,
              ms(clock.elapsed() * 1000) / 1000.0, ms(clock.elapsed() * 1000) / 200.0);
  // A year of books, every category in every month, and the clock in December.
  {
    TCorporation& c = p.game.corp();
    std::vector<CategoryAmounts> booked(12);
    Currency total;
    for (CategoryAmounts& amounts : booked) {
      for (size_t k = 0; k < kMoneyCategoryCount; ++k) {
        const int64_t units = static_cast<int64_t>(k) * 37 + 1234;
        amounts[k] = Currency::fromUnits(isIncome(static_cast<MoneyCategory>(k)) ? 9 * units : -units);
        total += amounts[k];
      }
    }
    c.books.restore(monthIndexOf(36892.25), c.Money - total, booked, 0, {});
    p.game.values.clock.GameDate = 37226.25;  // 1 December 2001
  }
  ui::FinanceWindow& finance = game.financeWindow();
  finance.showFollowing();
  QApplication::processEvents();
  std::printf("finance window: %d months\n", finance.table()->model()->columnCount() - 1);
  std::vector<qint64> refresh, repaint, whole;
  // Four weeks of hourly ticks: the year (and the game) ends on the last day.
  for (int i = 0; i < 28 * 24; ++i) {
    p.game.corp().ResultPoints = 0;
    p.game.corp().receive(Currency::fromCount(1), MoneyCategory::Sales);
    p.perform(PlayerAction::tick());
    QElapsedTimer t;
    t.start();
    finance.syncFromGame();
    refresh.push_back(t.nsecsElapsed() / 1000);
    // What the event loop repaints (the changed figures and the chart), then
    // the whole window for comparison.
    t.restart();
    QApplication::processEvents();
    repaint.push_back(t.nsecsElapsed() / 1000);
    t.restart();
    finance.repaint();
    whole.push_back(t.nsecsElapsed() / 1000);
  }
  const auto median = [](std::vector<qint64> v) {
    std::sort(v.begin(), v.end());
    return static_cast<double>(v[v.size() / 2]) / 1000.0;
  };
  std::printf("finance window a tick: refresh median %.3f ms (worst %.3f ms), repaint median %.3f ms "
              "(the whole window %.3f ms)\n",
              median(refresh), static_cast<double>(*std::max_element(refresh.begin(), refresh.end())) / 1000.0,
              median(repaint), median(whole));
  finance.close();

  p.ended = true;
  return 0;
}
