// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls, laid out as the game's design places them.
#include "ui/main_window.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QSvgWidget>

#include "commands/program.h"
#include "ui/lamp_widget.h"
#include "ui/quantity_spin_box.h"
#include "ui/qt_view_port.h"
#include "ui/window_look.h"
#include "widgets/dot_matrix_ticker.h"
#include "widgets/gradient_button.h"
#include "widgets/shadow_label.h"
#include "widgets/xy_plot.h"

namespace kelpmark::ui {

using widgets::GradientButton;
using widgets::ShadowLabel;
using widgets::XYPlot;

namespace {

QFrame* navyPanel(QWidget* parent, int x, int y, int w, int h) {
  auto* panel = new QFrame(parent);
  panel->setGeometry(x, y, w, h);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  QPalette p = panel->palette();
  p.setColor(QPalette::Window, kNavy);
  panel->setPalette(p);
  panel->setAutoFillBackground(true);
  return panel;
}

QGroupBox* groupBox(QWidget* parent, const QString& title, int x, int y) {
  auto* box = new QGroupBox(title, parent);
  box->setGeometry(x, y, 121, 121);
  box->setFont(arialPx(11, true));
  box->setStyleSheet(QStringLiteral(
      "QGroupBox { color: #00FF00; border: 1px solid #00A000; border-radius: 3px;"
      " margin-top: 7px; background: transparent; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 4px; padding: 0 1px; }"));
  return box;
}

}  // namespace

MainWindow::MainWindow(Program& program, QtViewPort& view, QString savePath, QString resumePath,
                       QWidget* parent)
    : QMainWindow(parent),
      program_(program),
      view_(view),
      savePath_(std::move(savePath)),
      resumePath_(std::move(resumePath)) {
  setWindowTitle(QStringLiteral("Kelpmark"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  auto* central = new QWidget(this);
  central->setFixedSize(604, 401);
  setMainBackground(central);
  setCentralWidget(central);

  buildLeftColumn(central);
  buildCommandButtons(central);
  buildPanels(central);
  buildMenus();
  setFixedSize(604, 401 + menuBar()->sizeHint().height());

  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &MainWindow::timerTick);
  connect(&view_, &QtViewPort::modalStateChanged, this, [this] { syncTimer(); });
  connect(&view_, &QtViewPort::programEndRequested, this, [this] {
    // The program ends once the current event has run to its end.
    QTimer::singleShot(0, this, &MainWindow::programEnded);
  });
  syncFromGame();
}

void MainWindow::buildLeftColumn(QWidget* central) {
  auto* background = new QSvgWidget(QStringLiteral(":/art/background.svg"), central);
  background->setGeometry(0, 0, 267, 400);

  // The clock ends where the chart's frame begins, and long day names are drawn
  // narrower rather than cut off under it.
  ShadowLabel* time = makeLabel(MainLabel::TimeLbl, central, 4, 4, 251, 16);
  time->setFont(arialPx(15, true));
  time->setBold(true);
  time->setShrinkToFit(true);
  time->setAlignment(Qt::AlignCenter);
  time->setClickable(true);
  time->setToolTip(tr("Щелчок останавливает игру"));
  connect(time, &ShadowLabel::clicked, this,
          [this] { perform(PlayerAction::click(Control::MainTimeLbl)); });

  const MainLabel column[] = {MainLabel::MoneyLbl,    MainLabel::FishLbl,      MainLabel::StoreLbl,
                              MainLabel::LotsLbl,     MainLabel::ShopsLbl,     MainLabel::StuffLbl,
                              MainLabel::SalerLbl,    MainLabel::AccounterLbl, MainLabel::ManagerLbl,
                              MainLabel::OfficeLbl,   MainLabel::PrestigeLbl,  MainLabel::MarketLbl,
                              MainLabel::UsedMarketLbl};
  int y = 48;
  for (MainLabel l : column) {
    makeLabel(l, central, 8, y, 250, l == MainLabel::OfficeLbl ? 19 : 16)->setFont(statusFont());
    y += 24;
  }
  for (int k = 1; k <= 4; ++k) {
    auto* lamp = new LampWidget(central);
    lamp->setGeometry(7 + 10 * (k - 1), 387, 10, 10);
    lamp->setToolTip(tr("Скорость %1").arg(k));
    lamp->setAccessibleName(lamp->toolTip());
    const auto control = static_cast<Control>(static_cast<int>(Control::MainImg1on) + k - 1);
    connect(lamp, &LampWidget::clicked, this,
            [this, control] { perform(PlayerAction::click(control)); });
    lamps_[static_cast<size_t>(k - 1)] = lamp;
  }

  chart_ = new XYPlot(central);
  chart_->setGeometry(255, 2, 345, 109);
  chart_->addSeries(QColor(Qt::red), XYPlot::Axis::Left);
  chart_->addSeries(QColor(Qt::blue), XYPlot::Axis::Left);
  chart_->addSeries(QColor(0, 160, 0), XYPlot::Axis::Right);
  chart_->setAxisRange(XYPlot::Axis::Left, 0.775, 10.225);
  chart_->setAxisRange(XYPlot::Axis::Right, 0.775, 10.225);
  chart_->setAxisAutoScale(XYPlot::Axis::Left, true);
  chart_->setAxisAutoScale(XYPlot::Axis::Right, true);
  chart_->setAxisTickCount(XYPlot::Axis::Left, 6);
  chart_->setAxisTickCount(XYPlot::Axis::Right, 6);
  chart_->setAxisGrid(XYPlot::Axis::Left, XYPlot::GridStyle::Dotted, QColor(Qt::black));
  chart_->setAxisGrid(XYPlot::Axis::Right, XYPlot::GridStyle::None);
  chart_->setAxisGrid(XYPlot::Axis::Bottom, XYPlot::GridStyle::Solid, QColor(190, 190, 190));
  chart_->setAxisLabelsVisible(XYPlot::Axis::Bottom, false);
  chart_->setAxisTickCount(XYPlot::Axis::Bottom, 0);
  chart_->setAxisRange(XYPlot::Axis::Bottom, 0, 72);
  chart_->setAccessibleName(tr("График цен"));
  chart_->setSeriesName(0, tr("Цена продажи"));
  chart_->setSeriesName(1, tr("Оптовая цена"));
  chart_->setSeriesName(2, tr("Активность рынка"));
  chart_->setToolTip(tr("Красная линия: цена продажи; синяя: оптовая цена; зеленая (правая "
                        "шкала): активность рынка"));
}

void MainWindow::buildCommandButtons(QWidget* central) {
  QGroupBox* building = groupBox(central, tr("Строительство "), 256, 112);
  makeButton(MainButton::StorageBtn, tr("Склад"), building, 8, 19, 105, true);
  makeButton(MainButton::LotBtn, tr("Лоток"), building, 8, 43, 105, true);
  makeButton(MainButton::ShopBtn, tr("Магазин"), building, 8, 67, 105, true);
  makeButton(MainButton::OfficeBtn, tr("Апгрейд офиса"), building, 8, 91, 105, true);

  QFrame* fish = navyPanel(central, 256, 239, 128, 33);
  makeButton(MainButton::FishBtn, tr("Закупить!"), fish, 8, 6, 105, true);

  QGroupBox* workers = groupBox(central, tr("Нанять сотрудников "), 256, 274);
  makeButton(MainButton::StuffBtn, tr("Грузчика"), workers, 8, 19, 105, true);
  makeButton(MainButton::SalerBtn, tr("Продавца"), workers, 8, 43, 105, true);
  makeButton(MainButton::AccounterBtn, tr("Бухгалтера"), workers, 8, 67, 105, true);
  makeButton(MainButton::ManagerBtn, tr("Менеждера"), workers, 8, 91, 105, true);
}

void MainWindow::buildPanels(QWidget* central) {
  ticker_ = new widgets::DotMatrixTicker(central);
  ticker_->setGeometry(383, 118, 217, 21);

  QFrame* prices = navyPanel(central, 383, 145, 217, 43);
  ShadowLabel* sale = makeLabel(MainLabel::SalePrcLbl, prices, 6, 4, 104, 16);
  sale->setFont(arialPx(12));
  sale->setToolTip(tr("Текущая цена продажи (с налогом)"));
  ShadowLabel* cost = makeLabel(MainLabel::ByPrcLbl, prices, 6, 23, 104, 16);
  cost->setFont(arialPx(12));
  cost->setToolTip(tr("Средневзвешенная себестоимость"));
  makeButton(MainButton::StopBtn, tr("Приостановить"), prices, 112, 12, 97, false);

  fishPanel_ = navyPanel(central, 383, 195, 217, 120);
  makeLabel(MainLabel::BasePrcLbl, fishPanel_, 6, 6, 203, 16)->setFont(statusFont());
  makeLabel(MainLabel::RealPrcLbl, fishPanel_, 6, 27, 203, 16)->setFont(statusFont());
  auto* bevel = new QFrame(fishPanel_);
  bevel->setGeometry(4, 49, 84, 24);
  bevel->setFrameShape(QFrame::Panel);
  bevel->setFrameShadow(QFrame::Sunken);
  quantity_ = new QuantitySpinBox(fishPanel_);
  quantity_->setGeometry(6, 50, 81, 22);
  QFont mono(QStringLiteral("Courier New"));
  mono.setStyleHint(QFont::Monospace);
  mono.setPixelSize(15);
  quantity_->setFont(mono);
  QPalette spin = quantity_->palette();
  spin.setColor(QPalette::Base, Qt::black);
  spin.setColor(QPalette::Text, kLime);
  spin.setColor(QPalette::Disabled, QPalette::Base, Qt::black);
  spin.setColor(QPalette::Disabled, QPalette::Text, QColor(46, 139, 46));
  quantity_->setPalette(spin);
  quantity_->setToolTip(tr("Количество рыбы для закупки, кг"));
  quantity_->setAccessibleName(quantity_->toolTip());
  connect(quantity_, &QuantitySpinBox::stepRequested, this,
          [this](int direction) { perform(PlayerAction::spin(direction)); });
  ShadowLabel* total = makeLabel(MainLabel::TotalLbl, fishPanel_, 94, 52, 117, 16);
  total->setFont(statusFont());
  total->setBold(true);
  makeButton(MainButton::MaxBtn, tr("Максимум"), fishPanel_, 8, 88, 97, false);
  makeButton(MainButton::TorgBtn, tr("Торговаться"), fishPanel_, 112, 88, 97, false);

  auto* tab = new QLabel(tr("Офис"), central);
  tab->setGeometry(472, 317, 33, 16);
  tab->setAlignment(Qt::AlignCenter);
  tab->setFont(arialPx(11, true));
  tab->setAutoFillBackground(true);
  tab->setStyleSheet(QStringLiteral("QLabel { color: #00FF00; background: rgb(0,128,64); }"));
  QFrame* office = navyPanel(central, 383, 324, 217, 71);
  tab->raise();
  makeButton(MainButton::ActionsBtn, tr("Действия"), office, 8, 13, 97, false);
  makeButton(MainButton::StatsBtn, tr("Отчеты"), office, 112, 13, 97, false);
  makeButton(MainButton::WokrersBtn, tr("Персонал"), office, 8, 42, 97, false);
  makeButton(MainButton::BuildingsBtn, tr("Сооружения"), office, 112, 42, 97, false);
}

void MainWindow::buildMenus() {
  QMenu* game = menuBar()->addMenu(tr("&Игра"));
  newGame_ = game->addAction(tr("&Новая"));
  newGame_->setShortcut(Qt::Key_F2);
  connect(newGame_, &QAction::triggered, this, [this] { perform(PlayerAction::newGame()); });
  finance_ = game->addAction(tr("&Финансы"));
  finance_->setShortcut(Qt::Key_F3);
  connect(finance_, &QAction::triggered, this, &MainWindow::financeRequested);
  results_ = game->addAction(tr("&Рекорды"));
  results_->setShortcut(Qt::Key_F4);
  connect(results_, &QAction::triggered, this, &MainWindow::resultsRequested);
  game->addSeparator();
  connect(game->addAction(tr("&Выход")), &QAction::triggered, this, &QWidget::close);

  QMenu* speed = menuBar()->addMenu(tr("&Скорость"));
  const char* names[] = {QT_TR_NOOP("Пауза"),     QT_TR_NOOP("Медленно"), QT_TR_NOOP("Нормально"),
                         QT_TR_NOOP("Ускоренно"), QT_TR_NOOP("Быстро"),   QT_TR_NOOP("Молниеносно")};
  for (int level = 0; level <= 5; ++level) {
    QAction* a = speed->addAction(tr(names[level]));
    connect(a, &QAction::triggered, this, [this, level] { perform(PlayerAction::speed(level)); });
    if (level == 0) {
      // The pause item is hidden; its key, Alt with the key left of 1, still works.
      a->setVisible(false);
      auto* pause = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_QuoteLeft), this);
      connect(pause, &QShortcut::activated, a, &QAction::trigger);
    } else {
      a->setShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_0 + level)));
    }
  }

  QMenu* help = menuBar()->addMenu(QStringLiteral("?"));
  QAction* helpItem = help->addAction(QStringLiteral("Help"));
  helpItem->setShortcut(Qt::Key_F1);
  connect(helpItem, &QAction::triggered, this,
          [this] { perform(PlayerAction::plain(ActionVerb::Help)); });
  connect(help->addAction(QStringLiteral("About...")), &QAction::triggered, this,
          [this] { perform(PlayerAction::plain(ActionVerb::About)); });
}

GradientButton* MainWindow::makeButton(MainButton b, const QString& caption, QWidget* parent,
                                       int x, int y, int width, bool olive) {
  auto* button = new GradientButton(caption, parent);
  button->setGeometry(x, y, width, GradientButton::kDesignHeight);
  button->setDisabledStyle(olive ? GradientButton::DisabledStyle::Olive
                                 : GradientButton::DisabledStyle::Red);
  connect(button, &GradientButton::clicked, this, [this, b] { perform(PlayerAction::click(b)); });
  buttons_[static_cast<size_t>(b)] = button;
  return button;
}

ShadowLabel* MainWindow::makeLabel(MainLabel l, QWidget* parent, int x, int y, int w, int h) {
  auto* label = new ShadowLabel(parent);
  label->setGeometry(x, y, w, h);
  labels_[static_cast<size_t>(l)] = label;
  return label;
}

}  // namespace kelpmark::ui
