// SPDX-License-Identifier: GPL-3.0-or-later
// The personnel, buildings, actions, reports, welcome and help windows, opened from
// the main window of a running game: they show the game's state, act on it, hide
// on close, and are written as screenshots.
#include <QComboBox>
#include <QListWidget>
#include <QTemporaryDir>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTextBrowser>
#include <QToolTip>
#include <QStyle>
#include <QTextTable>
#include <QWindow>
#include <QtTest>
#include <cmath>

#include "commands/program.h"
#include "ui/action_window.h"
#include "ui/build_window.h"
#include "ui/finance_window.h"
#include "ui/game_ui.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/pers_window.h"
#include "ui/report_window.h"
#include "ui/results_window.h"
#include "ui/welcome_window.h"
#include "ui/lamp_widget.h"
#include "ui_test_support.h"
#ifdef KELPMARK_CLOSE_BOX
#include "close_box.h"
#endif
#include "widgets/dot_matrix_ticker.h"
#include "widgets/gauge.h"
#include "widgets/gradient_button.h"
#include "widgets/shadow_label.h"
#include "widgets/xy_plot.h"

using namespace kelpmark;
using namespace kelpmark::ui;

namespace {

// Contrast of two colours as the web's accessibility guidelines count it (1 to 21).
double contrast(const QColor& a, const QColor& b) {
  auto luminance = [](const QColor& c) {
    auto channel = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every run of text on the page whose colour stands out less than 4.5:1 from
// what lies behind it (a table cell's background, else the page's).
QStringList faintTexts(const QTextBrowser& browser) {
  QStringList faint;
  const QTextDocument& doc = *browser.document();
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      if (f.text().trimmed().isEmpty()) continue;
      const QTextCharFormat cf = f.charFormat();
      QColor fg = browser.palette().color(QPalette::Text);
      if (cf.foreground().style() != Qt::NoBrush) fg = cf.foreground().color();
      QColor bg = browser.palette().color(QPalette::Base);
      QTextCursor at(const_cast<QTextDocument*>(&doc));
      at.setPosition(f.position());
      if (QTextTable* table = at.currentTable()) {
        const QBrush cell = table->cellAt(at).format().background();
        if (cell.style() != Qt::NoBrush) bg = cell.color();
      }
      if (block.blockFormat().background().style() != Qt::NoBrush)
        bg = block.blockFormat().background().color();
      if (cf.background().style() != Qt::NoBrush) bg = cf.background().color();
      const double c = contrast(fg, bg);
      if (c < 4.5)
        faint << QStringLiteral("'%1' %2 on %3: %4:1")
                     .arg(f.text().left(30), fg.name(), bg.name())
                     .arg(c, 0, 'f', 2);
    }
  }
  return faint;
}

QPalette darkPalette() {
  QPalette p;
  p.setColor(QPalette::Window, QColor(49, 54, 59));
  p.setColor(QPalette::WindowText, QColor(239, 240, 241));
  p.setColor(QPalette::Base, QColor(35, 38, 41));
  p.setColor(QPalette::AlternateBase, QColor(49, 54, 59));
  p.setColor(QPalette::Text, QColor(239, 240, 241));
  p.setColor(QPalette::Button, QColor(49, 54, 59));
  p.setColor(QPalette::ButtonText, QColor(239, 240, 241));
  p.setColor(QPalette::Highlight, QColor(61, 174, 233));
  p.setColor(QPalette::Link, QColor(41, 128, 185));
  p.setColor(QPalette::LinkVisited, QColor(127, 140, 141));
  return p;
}

}  // namespace

class SecondaryWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<GameUi> game_;
  std::unique_ptr<QTemporaryDir> dir_;

  // A company with a store, a stall, a shop and staff, at 10:00 on the first day.
  void setUpCompany() {
    Program& p = game_->program();
    MainWindow& w = game_->mainWindow();
    w.perform(PlayerAction::newGame());
    w.perform(PlayerAction::speed(5));
    w.perform(PlayerAction::tick(4));  // to 10:00
    p.game.corp().receive(Currency::fromUnits(50000), MoneyCategory::Sales);
    for (MainButton b : {MainButton::StorageBtn, MainButton::LotBtn, MainButton::ShopBtn,
                         MainButton::OfficeBtn, MainButton::StuffBtn, MainButton::StuffBtn,
                         MainButton::SalerBtn, MainButton::SalerBtn, MainButton::SalerBtn,
                         MainButton::AccounterBtn})
      QCOMPARE(w.perform(PlayerAction::click(b)), ActionResult::Done);
    w.perform(PlayerAction::speed(0));
  }

  // Plays on at the top speed for `days` game days, buying fish when the stock
  // runs low, and stops at 10:00.
  void playDays(int days) {
    MainWindow& w = game_->mainWindow();
    Program& p = game_->program();
    uitest::BoxAnswerer answerer;  // the month ends' messages
    w.perform(PlayerAction::speed(5));
    for (int d = 0; d < days; ++d) {
      // A content staff never strikes, so the company keeps its reputation.
      const TCorporation& c = p.game.corp();
      for (const StaffList* list : {&c.Accountants, &c.Loaders, &c.Managers, &c.Salesmen})
        for (const auto& e : *list) e.object->SetMood(80);
      w.perform(PlayerAction::tick(24));
      if (p.game.corp().FishStock < 500) {
        w.perform(PlayerAction::click(MainButton::MaxBtn));
        w.perform(PlayerAction::click(MainButton::FishBtn));
      }
    }
    w.perform(PlayerAction::speed(0));
  }

  // The finance table's cell as an amount ("−" for the minus).
  static double cellAmount(QTableView* table, int row, int column) {
    QString text = table->model()->index(row, column).data().toString();
    return text.replace(QChar(0x2212), QLatin1Char('-')).toDouble();
  }
  static int rowNamed(QTableView* table, const QString& name) {
    for (int r = 0; r < table->model()->rowCount(); ++r)
      if (table->model()->headerData(r, Qt::Vertical).toString().trimmed() == name) return r;
    return -1;
  }

  // Grabs and closes the next modal dialog that is not a message box.
  static void grabModalOnce(const QString& name, bool* seen) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, name, seen] {
      QWidget* w = QApplication::activeModalWidget();
      if (w == nullptr || qobject_cast<QMessageBox*>(w) != nullptr) return;
      QTest::qWait(50);
      uitest::saveScreenshot(w, name);
      *seen = true;
      w->close();
      poll->deleteLater();
    });
    poll->start();
  }

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    GameUiOptions options;
    options.savePath = dir_->filePath("game.dat");
    options.resultsPath = dir_->filePath("results");
    options.fixedSeed = 11;
    // A test with data rows runs in the language each row names.
    if (QTest::currentDataTag() != nullptr && QByteArray(QTest::currentDataTag()) == "en")
      options.language = Language::English;
    game_ = std::make_unique<GameUi>(options);
    game_->show();
    QVERIFY(QTest::qWaitForWindowExposed(&game_->mainWindow()));
    setUpCompany();
  }

  void cleanup() {
    game_->program().ended = true;
    game_.reset();
  }

  // The window's close box: what the window manager sends when the player clicks it
  // (without X, what Qt makes of it).
  static void clickCloseBox(QWidget* window) {
#ifdef KELPMARK_CLOSE_BOX
    if (uitest::onX11()) {
      QVERIFY(::clickCloseBox(std::to_string(window->winId())));
      return;
    }
#endif
    window->windowHandle()->close();
  }
  void click(QWidget* window, const QString& caption) {
    QAbstractButton* b = uitest::buttonWithText(window, caption);
    QVERIFY2(b != nullptr, qPrintable(caption));
    QTest::mouseClick(b, Qt::LeftButton);
  }
  // The header of a card: the window's own label above the card panel.
  static QString cardHeader(QWidget* window) {
    return window->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly)->text();
  }

  // The employee the player highlights, by keys or by mouse, is the one the card
  // shows and the buttons act on, also after the game has refreshed the window.
  void personnelByKeysAndMouse() {
    Program& p = game_->program();
    MainWindow& w = game_->mainWindow();
    PersWindow& pers = game_->persWindow();
    QTest::mouseClick(w.button(MainButton::WokrersBtn), Qt::LeftButton);
    QVERIFY(uitest::waitActive(&pers));
    QCOMPARE(pers.size(), QSize(464, 298));
    if (uitest::onX11()) QCOMPARE(uitest::windowManagerTitle(&pers), QStringLiteral("Ваш персонал"));
    auto* box = pers.findChild<QComboBox*>();
    auto* list = pers.findChild<QListWidget*>();
    QVERIFY(uitest::chooseFromDropDown(box, 2));  // salesmen
    QCOMPARE(list->count(), 3);
    QVERIFY(uitest::pressKey(Qt::Key_Tab));
    QCOMPARE(QApplication::focusWidget(), list);
    const auto shows = [&](int row) {
      const QString first = list->item(row)->text().section(u' ', 0, 0);
      return list->currentRow() == row && list->item(row)->isSelected() &&
             p.persForm.SelIndex == row && cardHeader(&pers) == QStringLiteral("Продавец %1 ").arg(first);
    };
    QVERIFY(shows(0));
    const std::pair<Qt::Key, int> moves[] = {{Qt::Key_Down, 1}, {Qt::Key_End, 2}, {Qt::Key_Home, 0},
                                             {Qt::Key_PageDown, 2}, {Qt::Key_PageUp, 0}, {Qt::Key_Down, 1}};
    for (const auto& [key, row] : moves) {
      QVERIFY(uitest::pressKey(key));
      QVERIFY2(shows(row), qPrintable(QStringLiteral("key %1 to row %2").arg(key).arg(row)));
    }
    w.timerTick();  // a refresh keeps the highlight
    QVERIFY(shows(1));
    QVERIFY(uitest::saveScreenshot(&pers, "personnel-keyboard-selection"));

    const TWorkerBee* salesman[] = {&p.game.corp().Salesmen[0], &p.game.corp().Salesmen[1],
                                    &p.game.corp().Salesmen[2]};
    const Currency pay[] = {salesman[0]->Salary, salesman[1]->Salary, salesman[2]->Salary};
    click(&pers, QStringLiteral("Поднять"));
    QVERIFY(salesman[1]->Salary > pay[1]);
    QCOMPARE(salesman[0]->Salary, pay[0]);
    QCOMPARE(salesman[2]->Salary, pay[2]);
    QVERIFY(shows(1));

    // Back to the list with a click on the highlighted entry; End, and fire.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(1)).center());
    QVERIFY(shows(1));
    QVERIFY(uitest::pressKey(Qt::Key_End));
    const QString last = list->item(2)->text();
    uitest::BoxAnswerer answerer;
    click(&pers, QStringLiteral("Уволить"));
    QCOMPARE(p.game.corp().Salesmen.count(), 2);
    QCOMPARE(list->count(), 2);
    for (int i = 0; i < list->count(); ++i) QVERIFY(list->item(i)->text() != last);
    QVERIFY(shows(1));
    QVERIFY(uitest::pressKey(Qt::Key_Escape));
    QVERIFY(!pers.isVisible());
    QVERIFY(!p.persForm.visible);
    QVERIFY(uitest::waitActive(&w));  // the keyboard is the main window's again
  }

  // The building highlighted by keys is the one repaired and sold; from 22:00 the
  // window's controls are off, and F1 still opens help, its close box and Escape
  // still close it.
  void buildingsByKeysAndAtNight() {
    Program& p = game_->program();
    MainWindow& w = game_->mainWindow();
    BuildWindow& build = game_->buildWindow();
    QTest::mouseClick(w.button(MainButton::StorageBtn), Qt::LeftButton);
    QCOMPARE(p.game.corp().Stores.count(), 2);
    TBuilding* first = &p.game.corp().Stores[0];
    TBuilding* second = &p.game.corp().Stores[1];
    second->Condition = 500;
    QTest::mouseClick(w.button(MainButton::BuildingsBtn), Qt::LeftButton);
    QVERIFY(uitest::waitActive(&build));
    if (uitest::onX11()) QCOMPARE(uitest::windowManagerTitle(&build), QStringLiteral("Ваши сооружения"));
    auto* box = build.findChild<QComboBox*>();
    auto* list = build.findChild<QListWidget*>();
    QVERIFY(uitest::chooseFromDropDown(box, 0));  // storage buildings
    QCOMPARE(list->count(), 2);
    QVERIFY(uitest::pressKey(Qt::Key_Tab));
    QVERIFY(uitest::pressKey(Qt::Key_End));
    QCOMPARE(p.buildForm.SelIndex, 1);
    QVERIFY(uitest::buttonWithText(&build, QStringLiteral("Капремонт"))->isEnabled());
    const Currency money = p.game.corp().Money;
    click(&build, QStringLiteral("Капремонт"));
    QCOMPARE(second->Condition, 1000);
    QCOMPARE(first->Condition, 1000);
    QVERIFY(p.game.corp().Money < money);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(1)).center());
    QVERIFY(uitest::pressKey(Qt::Key_Up));
    QCOMPARE(p.buildForm.SelIndex, 0);
    QCOMPARE(list->currentRow(), 0);
    uitest::BoxAnswerer answerer;
    answerer.queue(QMessageBox::Yes);
    click(&build, QStringLiteral("Продать"));
    QCOMPARE(answerer.texts.value(0), QStringLiteral("Удалить выбранную постройку?"));
    QCOMPARE(p.game.corp().Stores.count(), 1);
    QCOMPARE(&p.game.corp().Stores[0], second);

    // The night: the clock turns the controls off; the window stays on the screen.
    w.perform(PlayerAction::speed(5));
    for (int i = 0; i < 30 && p.buildForm.enabled; ++i) w.timerTick();
    QVERIFY(!p.buildForm.enabled);
    QVERIFY(build.isVisible());
    QVERIFY(!list->isEnabled() && !box->isEnabled());
    for (auto* b : build.findChildren<QAbstractButton*>()) QVERIFY(!b->isEnabled());
    QVERIFY(uitest::waitActive(&build));
    QVERIFY(uitest::saveScreenshot(&build, "buildings-at-night"));
    QVERIFY(uitest::pressKey(Qt::Key_F1));
    QVERIFY(uitest::waitActive(&game_->helpWindow()));
    QCOMPARE(game_->helpWindow().currentPage(), QStringLiteral("topic_20.html"));
    QVERIFY(uitest::pressKey(Qt::Key_Escape));
    QVERIFY(uitest::waitActive(&build));
    QVERIFY(uitest::pressKey(Qt::Key_Escape));
    QVERIFY(!build.isVisible());
    QVERIFY(!p.buildForm.visible);

    // Opened again by day, it is still there at 22:00; its close box closes it.
    for (int i = 0; i < 30 && !p.mainForm.enabled(MainButton::BuildingsBtn); ++i) w.timerTick();
    for (int i = 0; i < 30 && p.mainForm.enabled(MainButton::BuildingsBtn); ++i) w.timerTick();
    for (int i = 0; i < 30 && !p.mainForm.enabled(MainButton::BuildingsBtn); ++i) w.timerTick();
    QTest::mouseClick(w.button(MainButton::BuildingsBtn), Qt::LeftButton);
    QVERIFY(build.isVisible());
    for (int i = 0; i < 30 && p.buildForm.enabled; ++i) w.timerTick();
    QVERIFY(!p.buildForm.enabled);
    clickCloseBox(&build);
    QTRY_VERIFY(!build.isVisible());
    QVERIFY(!p.buildForm.visible);
  }

  // A pending campaign is never replaced: "Провести!" stays off whatever is
  // chosen, also when the window is shown again.
  void pendingCampaign() {
    Program& p = game_->program();
    MainWindow& w = game_->mainWindow();
    ActionWindow& actions = game_->actionWindow();
    uitest::BoxAnswerer answerer;
    QTest::mouseClick(w.button(MainButton::OfficeBtn), Qt::LeftButton);  // room for managers
    for (int i = 0; i < 2; ++i) QTest::mouseClick(w.button(MainButton::ManagerBtn), Qt::LeftButton);
    QVERIFY2(answerer.texts.isEmpty(), qPrintable(answerer.texts.join(" | ")));
    QCOMPARE(p.game.corp().Managers.count(), 2);
    QTest::mouseClick(w.button(MainButton::ActionsBtn), Qt::LeftButton);
    QVERIFY(uitest::waitActive(&actions));
    QCOMPARE(actions.size(), QSize(458, 257));
    if (uitest::onX11()) QCOMPARE(uitest::windowManagerTitle(&actions), QStringLiteral("Ваши действия"));
    auto* campaigns = actions.findChildren<QComboBox*>().value(1);
    QAbstractButton* order = uitest::buttonWithText(&actions, QStringLiteral("Провести!"));
    QVERIFY(uitest::chooseFromDropDown(campaigns, 1));
    QVERIFY(order->isEnabled());
    const Currency money = p.game.corp().Money;
    QTest::mouseClick(order, Qt::LeftButton);
    QCOMPARE(p.game.corp().PendingCampaign, 2);
    const Currency paid = p.game.corp().Money;
    QVERIFY(paid < money);
    QVERIFY(!order->isEnabled());
    QVERIFY(uitest::chooseFromDropDown(campaigns, 0));
    QVERIFY(uitest::pressKey(Qt::Key_Down));
    QCOMPARE(campaigns->currentIndex(), 1);
    QVERIFY(!order->isEnabled());
    QTest::mouseClick(order, Qt::LeftButton);
    QVERIFY(uitest::pressKey(Qt::Key_Escape));
    QVERIFY(!actions.isVisible());
    QTest::mouseClick(w.button(MainButton::ActionsBtn), Qt::LeftButton);
    QVERIFY(uitest::waitActive(&actions));
    QVERIFY(!order->isEnabled());
    QTest::mouseClick(order, Qt::LeftButton);
    QCOMPARE(p.game.corp().Money, paid);
    QCOMPARE(p.game.corp().PendingCampaign, 2);
    QVERIFY(uitest::saveScreenshot(&actions, "actions-pending-campaign"));
  }

  void reportsWindowPausesAndShowsTheFigures() {
    MainWindow& w = game_->mainWindow();
    w.perform(PlayerAction::speed(3));
    bool seen = false;
    grabModalOnce("reports-window", &seen);
    QTest::mouseClick(w.button(MainButton::StatsBtn), Qt::LeftButton);
    QVERIFY(seen);
    QCOMPARE(game_->program().mainForm.SpeedLevel, 3);
    const QString building =
        game_->reportWindow().label(ReportLabel::BuildingsLbl)->displayText();
    QCOMPARE(building, QStringLiteral("Содержание построек: $145 в сутки"));
  }

  // «Финансы» opens with F3 and follows the game: each month's result takes its
  // money to the next month's, and the last month ends with the money on screen.
  // Escape closes it; from the reports it opens over them and gives them back.
  void financeWindowAddsUpToTheMoneyOnScreen() {
    MainWindow& w = game_->mainWindow();
    FinanceWindow& finance = game_->financeWindow();
    QTableView* table = finance.table();
    w.activateWindow();
    QVERIFY(uitest::waitActive(&w));
    QVERIFY(uitest::pressKey(Qt::Key_F3));
    QVERIFY(uitest::waitActive(&finance));
    QCOMPARE(table->model()->columnCount(), 2);  // January and the total
    // The keyboard starts on the month's result, not on a heading.
    QCOMPARE(table->currentIndex(), table->model()->index(rowNamed(table, QStringLiteral("Итог месяца")), 0));
    QVERIFY(uitest::pressKey(Qt::Key_Down));
    QCOMPARE(table->currentIndex().row(), rowNamed(table, QStringLiteral("Деньги на конец месяца")));
    QVERIFY(uitest::saveScreenshot(&finance, "finance-first-morning"));
    playDays(340);
    QCOMPARE(game_->program().game.values.clock.CurrentMonth, 12);
    QVERIFY(finance.isVisible());
    const int months = table->model()->columnCount() - 1;
    QCOMPARE(months, 12);
    QCOMPARE(table->model()->headerData(months - 1, Qt::Horizontal).toString(), QStringLiteral("дек 2001"));
    const int result = rowNamed(table, QStringLiteral("Итог месяца"));
    const int closing = rowNamed(table, QStringLiteral("Деньги на конец месяца"));
    QVERIFY(result > 0 && closing > result);
    for (const char* category : {"Продажи", "Закупка рыбы", "Зарплата", "Содержание зданий", "Строительство",
                                 "Налог на прибыль"})
      QVERIFY2(rowNamed(table, QString::fromUtf8(category)) > 0, category);
    double money = 10000;
    for (int m = 0; m < months; ++m) {
      money += cellAmount(table, result, m);
      QCOMPARE(qRound64(cellAmount(table, closing, m) * 10000), qRound64(money * 10000));
    }
    const QString shown = w.label(MainLabel::MoneyLbl)->displayText().section(u'$', 1);
    QCOMPARE(table->model()->index(closing, months - 1).data().toString(), shown);
    QCOMPARE(table->model()->index(closing, months).data().toString(), shown);
    QTRY_VERIFY(table->horizontalScrollBar()->value() == table->horizontalScrollBar()->maximum());
    QVERIFY(uitest::saveScreenshot(&finance, "finance-year"));
    QVERIFY(uitest::pressKey(Qt::Key_Escape));
    QVERIFY(!finance.isVisible());

    bool over = false;
    uitest::whenModalOpens([&](QWidget* m) { return m == &game_->reportWindow(); }, [&](QWidget* reports) {
      uitest::whenModalOpens([&](QWidget* m) { return m == &finance; }, [&](QWidget*) {
        over = uitest::waitActive(&finance);
        QVERIFY(uitest::saveScreenScreenshot(&finance, "finance-over-reports"));
        QVERIFY(uitest::pressKey(Qt::Key_Escape));
      });
      QTest::mouseClick(uitest::buttonWithText(reports, QStringLiteral("Финансы")), Qt::LeftButton);
      QVERIFY(uitest::waitActive(reports));
      QVERIFY(uitest::pressKey(Qt::Key_Return));
    });
    QTest::mouseClick(w.button(MainButton::StatsBtn), Qt::LeftButton);
    QVERIFY(over);
    QVERIFY(!finance.isVisible());

    // The money label tells where the day's and the month's money went.
    const QString tip = w.label(MainLabel::MoneyLbl)->toolTip();
    QVERIFY2(tip.startsWith(QStringLiteral("<b>Сегодня:</b> ")) &&
                 tip.contains(QStringLiteral("<br><b>За месяц:</b> Продажи +$")),
             qPrintable(tip));
    if (uitest::onX11()) {
      w.activateWindow();
      QVERIFY(uitest::waitActive(&w));
      QTest::mouseMove(w.label(MainLabel::MoneyLbl), QPoint(10, 4));
      QTest::mouseMove(w.label(MainLabel::MoneyLbl), QPoint(20, 8));
      QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), 5000);
      QCOMPARE(QToolTip::text(), tip);
      QVERIFY(uitest::saveScreenScreenshot(&w, "money-tooltip"));
    }
  }

  // A screen reader reaches every status widget of every window, each with a
  // name and its current value.
  void accessibilityTreeNamesEveryStatusWidget() {
    MainWindow& w = game_->mainWindow();
    for (MainButton b : {MainButton::WokrersBtn, MainButton::BuildingsBtn, MainButton::ActionsBtn})
      QTest::mouseClick(w.button(b), Qt::LeftButton);
    // A department and a category chosen from the keyboard, and an entry clicked.
    for (QDialog* d : {static_cast<QDialog*>(&game_->persWindow()),
                       static_cast<QDialog*>(&game_->buildWindow())}) {
      auto* box = d->findChild<QComboBox*>();
      d->activateWindow();
      box->setFocus();
      auto* list = d->findChild<QListWidget*>();
      for (int i = 0; i < box->count() && list->count() == 0; ++i) QTest::keyClick(box, Qt::Key_Down);
      QVERIFY(list->count() > 0);
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                        list->visualItemRect(list->item(0)).center());
    }
    game_->reportWindow().syncFromGame();
    game_->financeWindow().syncFromGame();
    const QList<QWidget*> windows = {&w, &game_->persWindow(), &game_->buildWindow(),
                                     &game_->actionWindow(), &game_->reportWindow(),
                                     &game_->welcomeWindow(), &game_->financeWindow(),
                                     &game_->resultsWindow()};
    qsizetype reachedDisplays = 0;
    for (QWidget* window : windows) {
      QStringList faults;
      const QList<QWidget*> reached = uitest::walkAccessibleTree(window, faults);
      QVERIFY2(faults.isEmpty(), qPrintable(window->windowTitle() + ": " + faults.join("\n")));
      QList<QWidget*> displays;
      for (QWidget* c : window->findChildren<QWidget*>()) {
        if (c->window() != window) continue;  // a window of its own, walked by itself
        if (qobject_cast<widgets::ShadowLabel*>(c) || qobject_cast<widgets::Gauge*>(c) ||
            qobject_cast<widgets::DotMatrixTicker*>(c) || qobject_cast<widgets::XYPlot*>(c) ||
            qobject_cast<LampWidget*>(c) || qobject_cast<widgets::GradientButton*>(c))
          displays << c;
      }
      reachedDisplays += displays.size();
      for (QWidget* d : displays)
        QVERIFY2(reached.contains(d), qPrintable(window->windowTitle() + ": " +
                                                 d->metaObject()->className() + " not reached"));
    }
    QVERIFY(reachedDisplays > 60);
    // The values follow the game.
    auto text = [](QWidget* widget, QAccessible::Text t) {
      return QAccessible::queryAccessibleInterface(widget)->text(t);
    };
    QCOMPARE(text(w.label(MainLabel::MoneyLbl), QAccessible::Value),
             w.label(MainLabel::MoneyLbl)->displayText());
    QCOMPARE(text(w.ticker(), QAccessible::Name), QStringLiteral("Бегущая строка"));
    QCOMPARE(text(w.ticker(), QAccessible::Value), w.ticker()->text().simplified());
    QCOMPARE(text(w.lamp(1), QAccessible::Name), QStringLiteral("Скорость 1"));
    QCOMPARE(text(w.lamp(1), QAccessible::Value), QStringLiteral("не горит"));
    QTest::mouseClick(w.lamp(1), Qt::LeftButton);
    QCOMPARE(text(w.lamp(1), QAccessible::Value), QStringLiteral("горит"));
    QVERIFY(QAccessible::queryAccessibleInterface(w.lamp(1))->state().checked);
    auto* mood = game_->persWindow().findChildren<widgets::Gauge*>().value(1);
    QAccessibleInterface* gauge = QAccessible::queryAccessibleInterface(mood);
    QCOMPARE(gauge->text(QAccessible::Name), QStringLiteral("Настроение"));
    QCOMPARE(gauge->valueInterface()->currentValue().toInt(), mood->value());
    QCOMPARE(gauge->text(QAccessible::Value), QString::number(mood->value()));
  }

  // Every help page keeps its text readable under a light and a dark desktop
  // theme, also when the theme changes while the page is open.
  void helpPagesReadableUnderLightAndDarkThemes() {
    HelpWindow& help = game_->helpWindow();
    auto* browser = help.findChild<QTextBrowser*>();
    const QPalette original = QApplication::palette();
    help.showTopic(10);
    for (const QPalette& theme : {darkPalette(), QApplication::style()->standardPalette()}) {
      QApplication::setPalette(theme);
      QCoreApplication::processEvents();
      const QStringList open = faintTexts(*browser);
      QVERIFY2(open.isEmpty(), qPrintable(open.join('\n')));
      for (int topic : {0, 10, 20, 30, 40, 50, 60, 70, 100}) {
        help.showTopic(topic);
        const QStringList faint = faintTexts(*browser);
        QVERIFY2(faint.isEmpty(), qPrintable(QString::number(topic) + ": " + faint.join('\n')));
      }
      if (theme.color(QPalette::Base).lightness() < 128) {
        help.showTopic(10);
        QTest::qWait(50);
        QVERIFY(uitest::saveScreenshot(&help, "help-window-dark"));
      }
    }
    QApplication::setPalette(original);
    help.close();
  }

  // Help over the reports window, by F1 and by its button: usable, and closing it
  // gives the reports window back, where Return presses "Ok".
  void helpOverReports() {
    MainWindow& w = game_->mainWindow();
    ReportWindow& reports = game_->reportWindow();
    HelpWindow& help = game_->helpWindow();
    auto* browser = help.findChild<QTextBrowser*>();
    bool done = false;
    uitest::whenModalOpens([&](QWidget* m) { return m == &reports; }, [&](QWidget*) {
      QVERIFY(uitest::waitActive(&reports));
      QVERIFY(uitest::pressKey(Qt::Key_F1));
      QVERIFY(uitest::waitActive(&help));
      QCOMPARE(help.currentPage(), QStringLiteral("topic_40.html"));
      QVERIFY(uitest::clickLink(browser, QStringLiteral("index.html")));
      QTRY_COMPARE(help.currentPage(), QStringLiteral("index.html"));
      QVERIFY(uitest::saveScreenScreenshot(&help, "help-over-reports"));
      QVERIFY(uitest::pressKey(Qt::Key_Escape));
      QVERIFY(!help.isVisible());
      QVERIFY(uitest::waitActive(&reports));
      QTest::mouseClick(uitest::buttonWithText(&reports, QStringLiteral("Help")), Qt::LeftButton);
      QVERIFY(uitest::waitActive(&help));
      QCOMPARE(help.currentPage(), QStringLiteral("topic_40.html"));
      QTest::mouseClick(uitest::buttonWithText(&help, QStringLiteral("Закрыть")), Qt::LeftButton);
      QVERIFY(uitest::waitActive(&reports));
      QVERIFY(uitest::pressKey(Qt::Key_Return));
      QVERIFY(!reports.isVisible());
      done = true;
    });
    QTest::mouseClick(w.button(MainButton::StatsBtn), Qt::LeftButton);
    QVERIFY(done);
    QVERIFY(!reports.isVisible());
    QVERIFY(!help.isVisible());
  }

  // A question opens over the window the player acted in.
  void questionOverTheActingWindow() {
    MainWindow& w = game_->mainWindow();
    BuildWindow& build = game_->buildWindow();
    QTest::mouseClick(w.button(MainButton::BuildingsBtn), Qt::LeftButton);
    QVERIFY(uitest::waitActive(&build));
    auto* list = build.findChild<QListWidget*>();
    auto* box = build.findChild<QComboBox*>();
    box->setFocus();
    QVERIFY(uitest::pressKey(Qt::Key_Down));  // storage buildings
    QCOMPARE(list->count(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(0)).center());
    uitest::BoxAnswerer answerer;
    answerer.queue(QMessageBox::No);
    bool over = false;
    answerer.onBox([&](QMessageBox* b) {
      over = uitest::standsOver(b, &build);
      uitest::saveScreenScreenshot(b, "question-over-buildings");
    });
    QTest::mouseClick(uitest::buttonWithText(&build, QStringLiteral("Продать")), Qt::LeftButton);
    QCOMPARE(answerer.texts.value(0), QStringLiteral("Удалить выбранную постройку?"));
    QVERIFY(over);
    QCOMPARE(game_->program().game.corp().Stores.count(), 1);
  }

  void textsAreReadableWhole_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("ru") << QStringLiteral("ru");
    QTest::newRow("en") << QStringLiteral("en");
  }

  // Long figures are readable whole at the default font, in each language: the
  // clock before the chart's frame, the status bars, the cards, the books and
  // the results.
  void textsAreReadableWhole() {
    QFETCH(QString, language);
    const QString suffix = language == QStringLiteral("en") ? QStringLiteral("-en") : QString();
    Program& p = game_->program();
    MainWindow& w = game_->mainWindow();
    TCorporation& c = p.game.corp();
    // The language's longest day name with a two-digit month, day and hour.
    const double day = encodeDate(2001, 11, suffix.isEmpty() ? 19 : 21) + (18 * 60 + 10) / 1440.0;
    p.mainForm.showTime(day, decodeDate(day).weekDay);
    w.syncFromGame();
    QVERIFY(w.label(MainLabel::TimeLbl)->geometry().right() < w.chart()->geometry().left());
    QVERIFY2(uitest::clippedTexts(&w).isEmpty(), qPrintable(uitest::clippedTexts(&w).join(" | ")));
    QVERIFY(uitest::saveScreenshot(&w, "main-long-clock" + suffix));

    // 310 salesmen with odd pay; the card of an accountant with the longest surname.
    for (int i = 0; i < 307; ++i) {
      auto salesman = std::make_shared<TSaler>(p.game.random);
      salesman->Salary = Currency::fromCount(750226);
      c.Salesmen.add("Свекольников Апполинарий Апполинарьевич", salesman);
    }
    c.Accountants.add("Свекольникова Электростанция Апполинариевна",
                      std::make_shared<TAccounter>(p.game.random));
    w.perform(PlayerAction::click(MainButton::WokrersBtn));
    w.perform(PlayerAction::choose(Control::PersBox, 2));
    game_->persWindow().syncFromGame();
    QCoreApplication::processEvents();  // the status bar lays itself out anew
    QVERIFY2(uitest::clippedTexts(&game_->persWindow()).isEmpty(), qPrintable(uitest::clippedTexts(&game_->persWindow()).join(" | ")));
    QVERIFY(uitest::saveScreenshot(&game_->persWindow(), "personnel-long-status" + suffix));
    w.perform(PlayerAction::choose(Control::PersBox, 1));
    w.perform(PlayerAction::select(Control::PersList, c.Accountants.count() - 1));
    QVERIFY2(uitest::clippedTexts(&game_->persWindow()).isEmpty(), qPrintable(uitest::clippedTexts(&game_->persWindow()).join(" | ")));
    QVERIFY(uitest::saveScreenshot(&game_->persWindow(), "personnel-long-name" + suffix));

    // A thousand worn-out warehouses; the card of one with a forklift.
    for (int i = 0; i < 998; ++i) {
      auto store = std::make_shared<TSmallStore>();
      store->Condition = 0;
      c.Stores.add(newEntryText(kStoreKind.entry, c.Stores), store);
    }
    static_cast<TStorageBuilding&>(c.Stores[0]).UpgradeStore();
    w.perform(PlayerAction::click(MainButton::BuildingsBtn));
    w.perform(PlayerAction::choose(Control::BuildBox, 0));
    w.perform(PlayerAction::select(Control::BuildList, 0));
    QCoreApplication::processEvents();
    QVERIFY2(uitest::clippedTexts(&game_->buildWindow()).isEmpty(), qPrintable(uitest::clippedTexts(&game_->buildWindow()).join(" | ")));
    QVERIFY(uitest::saveScreenshot(&game_->buildWindow(), "buildings-long-status" + suffix));

    w.perform(PlayerAction::click(MainButton::ActionsBtn));
    for (int kind = 0; kind < 8; ++kind) {
      QCOMPARE(w.perform(PlayerAction::choose(Control::ActionAdBox, kind)), ActionResult::Done);
      QVERIFY2(uitest::clippedTexts(&game_->actionWindow()).isEmpty(), qPrintable(uitest::clippedTexts(&game_->actionWindow()).join(" | ")));
    }
    QVERIFY(uitest::saveScreenshot(&game_->actionWindow(), "actions-longest-campaign" + suffix));

    // «Финансы» over eleven months of large, odd amounts in every category; then
    // a figure outgrows its column while the window follows the game.
    p.game.values.clock.GameDate = day;
    std::vector<CategoryAmounts> booked(11);
    Currency total;
    for (size_t m = 0; m < booked.size(); ++m) {
      for (size_t k = 0; k < kMoneyCategoryCount; ++k) {
        const int64_t count = 1234567891 + static_cast<int64_t>(k * 1000 + m * 77);
        booked[m][k] = Currency::fromCount(isIncome(static_cast<MoneyCategory>(k)) ? 9 * count : -count);
        total += booked[m][k];
      }
    }
    c.books.restore(monthIndexOf(encodeDate(2001, 1, 1)), c.Money - total, booked, 0, {});
    for (QWidget* open : std::initializer_list<QWidget*>{&game_->persWindow(), &game_->buildWindow(), &game_->actionWindow()})
      open->close();
    w.activateWindow();
    QVERIFY(uitest::waitActive(&w));
    QVERIFY(uitest::pressKey(Qt::Key_F3));
    FinanceWindow& finance = game_->financeWindow();
    QVERIFY(uitest::waitActive(&finance));
    QVERIFY2(uitest::clippedTexts(&finance).isEmpty(), qPrintable(uitest::clippedTexts(&finance).join(" | ")));
    QVERIFY(uitest::saveScreenshot(&finance, "finance-long-figures" + suffix));
    c.receive(Currency::fromCount(987654321987654), MoneyCategory::Sales);
    game_->syncAll();
    QVERIFY2(uitest::clippedTexts(&finance).isEmpty(), qPrintable(uitest::clippedTexts(&finance).join(" | ")));
    QVERIFY(uitest::pressKey(Qt::Key_Escape));

    // «Рекорды» with long figures: a won game and the ways to lose.
    for (GameOutcome how : {GameOutcome::YearOver, GameOutcome::Won, GameOutcome::ValueHalved,
                            GameOutcome::PrestigeLost}) {
      GameResult r;
      r.played = "2026-12-31 23:59";
      r.outcome = how;
      r.ended = encodeDate(2001, 12, 28) + 0.75;
      r.value = Currency::fromCount(-98765432109876);
      r.money = Currency::fromCount(98765432109876);
      r.marketShare = 100;
      QVERIFY(addResult(dir_->filePath("results").toStdString(), r));
    }
    bool listed = false;
    uitest::whenModalOpens([&](QWidget* m) { return m == &game_->resultsWindow(); }, [&](QWidget* m) {
      listed = game_->resultsWindow().table()->rowCount() == 4;
      QVERIFY2(uitest::clippedTexts(m).isEmpty(), qPrintable(uitest::clippedTexts(m).join(" | ")));
      QVERIFY(uitest::saveScreenshot(m, "results-long-figures" + suffix));
      m->close();
    });
    QVERIFY(uitest::waitActive(&w));
    QVERIFY(uitest::pressKey(Qt::Key_F4));
    QTRY_VERIFY(!game_->resultsWindow().isVisible());
    QVERIFY(listed);
  }

  // Every window fits the screen's free area, help shrunk to it where needed
  // (this also runs at twice the scale on a 1280x1024 screen).
  void everyWindowFitsTheScreen() {
    MainWindow& w = game_->mainWindow();
    HelpWindow& help = game_->helpWindow();
    const QRect area = w.screen()->availableGeometry();
    QStringList outside;
    const auto check = [&](QWidget* window) {
      if (!area.contains(window->frameGeometry()))
        outside << QStringLiteral("%1 %2,%3 %4x%5").arg(window->windowTitle()).arg(window->frameGeometry().x())
                       .arg(window->frameGeometry().y()).arg(window->frameGeometry().width())
                       .arg(window->frameGeometry().height());
    };
    check(&w);
    const std::pair<MainButton, QWidget*> secondary[] = {{MainButton::WokrersBtn, &game_->persWindow()},
                                                         {MainButton::BuildingsBtn, &game_->buildWindow()},
                                                         {MainButton::ActionsBtn, &game_->actionWindow()}};
    for (const auto& [button, window] : secondary) {
      QTest::mouseClick(w.button(button), Qt::LeftButton);
      QVERIFY(uitest::waitActive(window));
      check(window);
      QVERIFY(uitest::pressKey(Qt::Key_Escape));
      QVERIFY(uitest::waitActive(&w));
    }
    QVERIFY(uitest::chooseMenuItem(&w, QStringLiteral("Игра"), QStringLiteral("Финансы")));
    QVERIFY(uitest::waitActive(&game_->financeWindow()));
    check(&game_->financeWindow());
    QVERIFY(uitest::saveScreenScreenshot(&game_->financeWindow(), "finance-fits-the-screen"));
    QVERIFY(uitest::pressKey(Qt::Key_Escape));
    QVERIFY(uitest::waitActive(&w));
    uitest::whenModalOpens([&](QWidget* m) { return m == &game_->resultsWindow(); }, [&](QWidget* m) {
      check(m);
      QVERIFY(uitest::waitActive(m));
      QVERIFY2(uitest::clippedTexts(m).isEmpty(), qPrintable(uitest::clippedTexts(m).join(" | ")));
      QVERIFY(uitest::pressKey(Qt::Key_Escape));
    });
    QVERIFY(uitest::chooseMenuItem(&w, QStringLiteral("Игра"), QStringLiteral("Рекорды")));
    QTRY_VERIFY(!game_->resultsWindow().isVisible());
    QVERIFY(uitest::waitActive(&w));
    QVERIFY(uitest::pressKey(Qt::Key_F1));
    QVERIFY(uitest::waitActive(&help));
    check(&help);
    for (const char* caption : {"Назад", "Закрыть"}) {
      QAbstractButton* b = uitest::buttonWithText(&help, QString::fromUtf8(caption));
      QVERIFY2(area.contains(QRect(b->mapToGlobal(QPoint(0, 0)), b->size())), caption);
    }
    QVERIFY(uitest::saveScreenScreenshot(&help, "help-fits-the-screen"));
    QVERIFY(uitest::pressKey(Qt::Key_Escape));
    for (QDialog* modal : std::initializer_list<QDialog*>{&game_->reportWindow(), &game_->welcomeWindow()}) {
      uitest::whenModalOpens([&](QWidget* m) { return m == modal; }, [&](QWidget* m) {
        check(m);
        QVERIFY(uitest::waitActive(m));
        QVERIFY(uitest::pressKey(Qt::Key_Escape));
      });
      if (modal == &game_->reportWindow())
        QTest::mouseClick(w.button(MainButton::StatsBtn), Qt::LeftButton);
      else
        QVERIFY(uitest::chooseMenuItem(&w, QStringLiteral("?"), QStringLiteral("About...")));
      QTRY_VERIFY(!modal->isVisible());
    }
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(" | ")));
  }

  void welcomeAndHelpWindows() {
    bool seen = false;
    grabModalOnce("welcome-window", &seen);
    game_->mainWindow().perform(PlayerAction::plain(ActionVerb::About));
    QVERIFY(seen);
    QCOMPARE(game_->welcomeWindow().size(), QSize(323, 160));
    for (int topic : {10, 20, 30, 40, 50, 60, 70, 100}) {
      game_->helpWindow().showTopic(topic);
      QCOMPARE(game_->helpWindow().currentPage(), QStringLiteral("topic_%1.html").arg(topic));
      auto* browser = game_->helpWindow().findChild<QTextBrowser*>();
      QVERIFY2(browser->toPlainText().size() > 500, qPrintable(QString::number(topic)));
    }
    game_->helpWindow().showTopic(10);
    QTest::qWait(50);
    QVERIFY(uitest::saveScreenshot(&game_->helpWindow(), "help-window"));
    game_->helpWindow().close();
  }
};

QTEST_MAIN(SecondaryWindowsTest)
#include "secondary_windows_test.moc"
