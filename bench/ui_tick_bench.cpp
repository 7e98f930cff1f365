// SPDX-License-Identifier: GPL-3.0-or-later
// Time of the main window's tick (the game's handler and the repaint) at the top
// speed, after a full game year of chart points. Run under a real X display:
//   xvfb-run -a build/bench/ui_tick_bench
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "commands/program.h"
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
  ui::GameUi game(options);
  game.show();
  QApplication::processEvents();
  Program& p = game.program();
  ui::MainWindow& w = game.mainWindow();
  w.perform(PlayerAction::newGame());
  w.perform(PlayerAction::speed(5));
  w.gameTimer().stop();

  // A year of hourly steps, drawn once at the end. The company is kept from
  // losing its reputation so that one game lasts the whole year.
  for (int i = 0; i < 8700; ++i) {
    p.game.corp().ResultPoints = 0;
    p.perform(PlayerAction::tick());
  }
  w.syncFromGame();
  QApplication::processEvents();
  const size_t points = p.mainForm.chart.line1.points.size() + p.mainForm.chart.line2.points.size() +
                        p.mainForm.chart.line3.points.size();

  // Back to January for a month at the top speed, the chart keeping its points.
  p.game.values.clock.GameDate = 36892.25;
  std::vector<qint64> micros;
  for (int i = 0; i < 30 * 24; ++i) {
    p.game.corp().ResultPoints = 0;
    w.timerTick();
    QApplication::processEvents();
    micros.push_back(w.lastTickMicros());
  }
  std::sort(micros.begin(), micros.end());
  auto ms = [](qint64 us) { return static_cast<double>(us) / 1000.0; };
  std::printf("chart points: %zu\n", points);
  std::printf("tick handler + repaint over %zu ticks: median %.2f ms, 90%% %.2f ms, worst %.2f ms\n",
              micros.size(), ms(micros[micros.size() / 2]), ms(micros[micros.size() * 9 / 10]),
              ms(micros.back()));

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
  p.ended = true;
  return 0;
}
