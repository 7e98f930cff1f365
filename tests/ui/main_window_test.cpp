// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window, driven as a player would: keys, menus, buttons, the game
// timer and the modal boxes.
#include <QAction>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <QtTest>
#include <cstdlib>

#include "commands/program.h"
#include "model/save_file.h"
#include "ui/game_ui.h"
#include "ui/help_window.h"
#include "ui/lamp_widget.h"
#include "ui/main_window.h"
#include "ui/qt_view_port.h"
#include "ui/quantity_spin_box.h"
#include "ui/report_window.h"
#include "ui/results_window.h"
#include "ui/russian_qt_strings.h"
#include "ui/welcome_window.h"
#include "ui_test_support.h"
#include "widgets/dot_matrix_ticker.h"
#include "widgets/gradient_button.h"
#include "widgets/shadow_label.h"

using namespace kelpmark;
using namespace kelpmark::ui;

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<GameUi> game_;
  std::unique_ptr<QTemporaryDir> dir_;

  QString text(MainLabel l) { return game_->mainWindow().label(l)->displayText(); }
  static bool near(QPoint offset) { return std::abs(offset.x()) <= 2 && std::abs(offset.y()) <= 2; }
  static QStringList buttonTexts(QMessageBox* box) {
    QStringList texts;
    for (QAbstractButton* b : box->buttons()) texts << b->text();
    texts.sort();
    return texts;
  }
  TMainForm& form() { return game_->program().mainForm; }
  void startGame() {
    QTest::keyClick(&game_->mainWindow(), Qt::Key_F2);
    QVERIFY(game_->program().game.hasCompany());
  }
  // A new run of the program on the same data directory.
  void restart(uint32_t seed) {
    if (game_) game_->program().ended = true;
    game_.reset();
    GameUiOptions options;
    options.savePath = dir_->filePath("game.dat");
    options.resultsPath = dir_->filePath("results");
    options.fixedSeed = seed;
    game_ = std::make_unique<GameUi>(options);
    game_->show();
    QVERIFY(QTest::qWaitForWindowExposed(&game_->mainWindow()));
    game_->mainWindow().activateWindow();
    QVERIFY(uitest::waitActive(&game_->mainWindow()));
  }
  // The texts of «Рекорды» each time it opens (its rows, "|"-joined cells, the
  // highlighted one marked "*"), closing it with Escape; every other modal window
  // is closed, every box answered Yes.
  struct ResultsSeen {
    QStringList shown;
    QTimer poll;
  };
  static void watchModals(ResultsSeen& seen) {
    seen.poll.setInterval(10);
    QObject::connect(&seen.poll, &QTimer::timeout, [&seen] {
      QWidget* m = QApplication::activeModalWidget();
      if (m == nullptr || !m->isVisible()) return;
      if (auto* box = qobject_cast<QMessageBox*>(m)) {
        QAbstractButton* b = box->button(QMessageBox::Yes);
        QTest::mouseClick(b != nullptr ? b : box->buttons().value(0), Qt::LeftButton);
        return;
      }
      auto* results = qobject_cast<ResultsWindow*>(m);
      if (results == nullptr) {
        m->close();
        return;
      }
      QStringList rows;
      QTableWidget* table = results->table();
      for (int r = 0; table->isVisible() && r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) cells << table->item(r, c)->text();
        rows << (r == results->highlightedRow() ? QStringLiteral("*") : QString()) + cells.join(u'|');
      }
      if (rows.isEmpty()) rows << results->findChild<QLabel*>()->text();
      seen.shown << rows.join(QStringLiteral("\n"));
      uitest::saveScreenshot(results, QStringLiteral("results-%1").arg(seen.shown.size()));
      QTest::keyClick(table->isVisible() ? static_cast<QWidget*>(table) : results, Qt::Key_Escape);
    });
    seen.poll.start();
  }
  // Plays on at the top speed until the next midnight has run its daily step.
  void tickOverMidnight() {
    TCorporation& c = game_->program().game.corp();
    const int day = game_->program().game.values.clock.CurrentWeekDay;
    while (game_->program().game.values.clock.CurrentWeekDay == day && &c == &game_->program().game.corp() &&
           !game_->program().ended)
      game_->mainWindow().perform(PlayerAction::tick());
  }

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    GameUiOptions options;
    options.savePath = dir_->filePath("game.dat");
    options.fixedSeed = 7;
    game_ = std::make_unique<GameUi>(options);
    game_->show();
    QVERIFY(QTest::qWaitForWindowExposed(&game_->mainWindow()));
    game_->mainWindow().activateWindow();
    QTest::qWait(20);
  }

  void cleanup() {
    game_->program().ended = true;  // no save question when the test's window goes
    game_.reset();
  }

  void startUpLooksOfTheDesign() {
    MainWindow& w = game_->mainWindow();
    QCOMPARE(w.windowTitle(), QStringLiteral("Kelpmark"));
    QCOMPARE(w.centralWidget()->size(), QSize(604, 401));
    QCOMPARE(w.label(MainLabel::TimeLbl)->displayText(), QStringLiteral("Местное время"));
    QVERIFY(!w.quantity()->isEnabled());
    QVERIFY(w.ticker()->isRunning());
    QVERIFY(w.ticker()->text().contains(QStringLiteral("PRESS F2 TO START!")));
    QVERIFY(QApplication::overrideCursor() != nullptr);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
    QVERIFY(uitest::saveScreenshot(&w, "main-startup"));
    // Before the first game the buttons do nothing.
    QTest::mouseClick(w.button(MainButton::StorageBtn), Qt::LeftButton);
    QVERIFY(!game_->program().game.hasCompany());
  }

  void f2StartsAGame() {
    startGame();
    MainWindow& w = game_->mainWindow();
    QCOMPARE(text(MainLabel::MoneyLbl), QStringLiteral("Денег:  $10000"));
    QCOMPARE(text(MainLabel::FishLbl), QStringLiteral("Рыбы:  0 (0) кг."));
    QCOMPARE(text(MainLabel::OfficeLbl), QStringLiteral("Размер офиса:  1"));
    QCOMPARE(text(MainLabel::MarketLbl), QStringLiteral("Доля рынка, не более  2%"));
    QCOMPARE(text(MainLabel::UsedMarketLbl), QStringLiteral("Использование доли:  0%"));
    QVERIFY(!w.newGameAction()->isEnabled());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QCOMPARE(w.gameTimer().interval(), 1000);
    QVERIFY(w.gameTimer().isActive());
    QVERIFY(w.lamp(1)->isLit() && w.lamp(2)->isLit() && !w.lamp(3)->isLit());
    QVERIFY(w.quantity()->isEnabled() == form().spinEnabled());
    QVERIFY(uitest::saveScreenshot(&w, "main-new-game"));
    // A second F2 is ignored: the menu item stays disabled.
    const TCorporation* company = &game_->program().game.corp();
    QTest::keyClick(&w, Qt::Key_F2);
    QCOMPARE(&game_->program().game.corp(), company);
  }

  void speedControls() {
    startGame();
    MainWindow& w = game_->mainWindow();
    QTest::keyClick(&w, Qt::Key_4, Qt::AltModifier);
    QCOMPARE(form().SpeedLevel, 4);
    QCOMPARE(w.gameTimer().interval(), 300);
    QVERIFY(w.lamp(4)->isLit());
    QTest::mouseClick(w.lamp(1), Qt::LeftButton);
    QCOMPARE(form().SpeedLevel, 1);
    QCOMPARE(w.gameTimer().interval(), 2000);
    QVERIFY(w.lamp(1)->isLit() && !w.lamp(2)->isLit());
    QTest::keyClick(&w, Qt::Key_5, Qt::AltModifier);
    QCOMPARE(w.gameTimer().interval(), 200);
    QTest::mouseClick(w.label(MainLabel::TimeLbl), Qt::LeftButton);
    QCOMPARE(form().SpeedLevel, 0);
    QVERIFY(!w.gameTimer().isActive());
    QTest::keyClick(&w, Qt::Key_3, Qt::AltModifier);
    QTest::keyClick(&w, Qt::Key_QuoteLeft, Qt::AltModifier);
    QCOMPARE(form().SpeedLevel, 0);
    // Minimizing pauses; restoring resumes at speed 1, whatever the speed before.
    QTest::keyClick(&w, Qt::Key_4, Qt::AltModifier);
    w.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    QCOMPARE(form().SpeedLevel, 0);
    QVERIFY(!w.gameTimer().isActive());
    w.setWindowState(Qt::WindowNoState);
    QCoreApplication::processEvents();
    QCOMPARE(form().SpeedLevel, 1);
    QVERIFY(w.gameTimer().isActive());
  }

  void timerTicksTheGame() {
    startGame();
    MainWindow& w = game_->mainWindow();
    QTest::keyClick(&w, Qt::Key_5, Qt::AltModifier);
    QTRY_VERIFY_WITH_TIMEOUT(w.label(MainLabel::TimeLbl)->displayText().startsWith("01.01.2001"), 3000);
    QTRY_VERIFY_WITH_TIMEOUT(game_->program().game.values.clock.ChartTick >= 4, 3000);
  }

  void disabledButtonDoesNothing() {
    startGame();
    MainWindow& w = game_->mainWindow();
    // At the start no shop can be built (the clock opens construction at 7:00).
    QVERIFY(!w.button(MainButton::ShopBtn)->isEnabled());
    QTest::mouseClick(w.button(MainButton::ShopBtn), Qt::LeftButton);
    QCOMPARE(game_->program().game.corp().Shops.count(), 0);
    QCOMPARE(text(MainLabel::MoneyLbl), QStringLiteral("Денег:  $10000"));
  }

  void refusedCommandShowsItsMessageAndTicksWait() {
    startGame();
    MainWindow& w = game_->mainWindow();
    QTest::keyClick(&w, Qt::Key_5, Qt::AltModifier);
    uitest::BoxAnswerer answerer;
    answerer.setHoldMs(700);  // more than three ticks at the top speed
    double dateWhileOpen = -1;
    bool timerStoodStill = false;
    answerer.onBox([&](QMessageBox* box) {
      dateWhileOpen = game_->program().game.values.clock.GameDate;
      timerStoodStill = !w.gameTimer().isActive();
      uitest::saveScreenshot(box, "main-message-box");
      uitest::saveScreenshot(&w, "main-behind-message-box");
    });
    QTimer::singleShot(0, [&] { QTest::mouseClick(w.button(MainButton::SalerBtn), Qt::LeftButton); });
    QTRY_COMPARE_WITH_TIMEOUT(answerer.texts.size(), 1, 3000);
    QCOMPARE(answerer.texts.first(), QStringLiteral("Новому продавцу будет негде работать!"));
    QVERIFY(timerStoodStill);
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget() == nullptr, 3000);
    QCOMPARE(game_->program().game.values.clock.GameDate, dateWhileOpen);
    QTRY_VERIFY_WITH_TIMEOUT(game_->program().game.values.clock.GameDate > dateWhileOpen, 3000);
  }

  // The window minimized while a refusal's message is still open: the minimize
  // waits for the message to close and then pauses the game, in that order.
  void minimizeDuringAMessageRunsAfterIt() {
    startGame();
    MainWindow& w = game_->mainWindow();
    QTest::keyClick(&w, Qt::Key_5, Qt::AltModifier);
    uitest::BoxAnswerer answerer;
    int speedWhileOpen = -1;
    answerer.onBox([&](QMessageBox*) {
      w.showMinimized();
      speedWhileOpen = form().SpeedLevel;
    });
    QTest::mouseClick(w.button(MainButton::SalerBtn), Qt::LeftButton);
    QCOMPARE(answerer.texts.value(0), QStringLiteral("Новому продавцу будет негде работать!"));
    QCOMPARE(speedWhileOpen, 5);
    QCOMPARE(form().SpeedLevel, 0);
    QVERIFY(!w.gameTimer().isActive());
    w.showNormal();
    QCOMPARE(form().SpeedLevel, 1);
    QVERIFY(w.gameTimer().isActive());
  }

  void exitQuestionCancelKeepsTheWindow() {
    startGame();
    MainWindow& w = game_->mainWindow();
    uitest::BoxAnswerer answerer;
    answerer.queue(QMessageBox::Cancel);
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QCOMPARE(answerer.texts.value(0), QStringLiteral("Сохранить текущую игру?"));
    QVERIFY(!QFile::exists(dir_->filePath("game.dat")));
    answerer.queue(QMessageBox::Yes);
    QVERIFY(w.close());
    QVERIFY(QFile::exists(dir_->filePath("game.dat")));
  }

  void resumeLoadsTheSavedGame() {
    // A saved game with 4321 in cash.
    {
      startGame();
      game_->program().game.corp().Money = Currency::fromUnits(4321);
      uitest::BoxAnswerer answerer;
      QVERIFY(game_->mainWindow().close());
    }
    game_.reset();
    GameUiOptions options;
    options.savePath = dir_->filePath("game.dat");
    options.fixedSeed = 9;
    uitest::BoxAnswerer answerer;
    game_ = std::make_unique<GameUi>(options);
    game_->show();
    QTRY_VERIFY_WITH_TIMEOUT(game_->program().game.hasCompany(), 3000);
    QCOMPARE(answerer.texts.value(0), QStringLiteral("Загрузить предыдущую игру?"));
    QCOMPARE(text(MainLabel::MoneyLbl), QStringLiteral("Денег:  $4321"));
    QCOMPARE(form().SpeedLevel, 2);
  }

  // Each window carries exactly its own caption as the window manager sees it;
  // the boxes speak Russian and open over the window the player acted in.
  void captionsPlacementAndRussianButtons() {
    MainWindow& w = game_->mainWindow();
    QVERIFY(near(uitest::offCentre(&w)));
    if (uitest::onX11()) QCOMPARE(uitest::windowManagerTitle(&w), QStringLiteral("Kelpmark"));
    startGame();
    uitest::BoxAnswerer answerer;
    QStringList titles, buttons;
    bool overMain = false;
    answerer.onBox([&](QMessageBox* box) {
      titles << (uitest::onX11() ? uitest::windowManagerTitle(box) : box->windowTitle());
      buttons << buttonTexts(box).join(u'/');
      overMain = uitest::standsOver(box, &w);
      if (buttons.size() == 2) uitest::saveScreenScreenshot(box, "question-box");
    });
    // A refused hire: a plain error with the application's title.
    QTest::mouseClick(w.button(MainButton::SalerBtn), Qt::LeftButton);
    QCOMPARE(titles.value(0), QStringLiteral("Vorlent Kelpmark"));
    QCOMPARE(buttons.value(0), QStringLiteral("ОК"));
    QVERIFY(overMain);
    // The exit question from the menu, answered Cancel.
    answerer.queue(QMessageBox::Cancel);
    QVERIFY(uitest::chooseMenuItem(&w, QStringLiteral("Игра"), QStringLiteral("Выход")));
    QTRY_COMPARE(answerer.texts.size(), 2);
    QCOMPARE(answerer.texts.value(1), QStringLiteral("Сохранить текущую игру?"));
    QCOMPARE(titles.value(1), QStringLiteral("Подтверждение"));
    QCOMPARE(buttons.value(1), QStringLiteral("Да/Нет/Отмена"));
    QVERIFY(w.isVisible());
  }

  // A short message is still wide enough for its whole caption under a window
  // manager; the line feed and carriage return between a question's two lines
  // are one line break, and each line is shown whole.
  void boxesFitTheirCaptionAndBreakLinesOnce() {
    startGame();
    MainWindow& w = game_->mainWindow();
    TCorporation& company = game_->program().game.corp();
    w.perform(PlayerAction::speed(5));
    w.perform(PlayerAction::tick(4));  // 10:00: construction is open
    w.perform(PlayerAction::speed(0));
    uitest::BoxAnswerer answerer;
    QList<int> widths, lines;
    answerer.onBox([&](QMessageBox* box) {
      widths << box->frameGeometry().width();
      const auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
      lines << text->height() / text->fontMetrics().lineSpacing();
      uitest::saveScreenScreenshot(box, QStringLiteral("message-box-%1").arg(widths.size()));
    });
    company.Money = Currency::fromUnits(2500);
    QTest::mouseClick(w.button(MainButton::ShopBtn), Qt::LeftButton);
    QCOMPARE(answerer.texts.value(0), QStringLiteral("Недостаточно денег!"));
    // The caption in bold, and on each side of it three title bar buttons a line high.
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics title(bold);
    const QString caption = QStringLiteral("Vorlent Kelpmark");
    QVERIFY(captionWidth(caption) >= title.horizontalAdvance(caption) + 6 * title.height());
    QVERIFY2(widths.value(0) >= captionWidth(caption),
             qPrintable(QStringLiteral("%1 < %2").arg(widths.value(0)).arg(captionWidth(caption))));

    // A store and a loader who carries more than the terminal's 10000 kg: Max
    // offers the sponsorship.
    company.Money = Currency::fromUnits(1000000);
    QTest::mouseClick(w.button(MainButton::StorageBtn), Qt::LeftButton);
    QTest::mouseClick(w.button(MainButton::StuffBtn), Qt::LeftButton);
    static_cast<TStorageBuilding&>(company.Stores[0]).Capacity = 50000;
    company.Loaders[0].Experience = 10000;
    answerer.queue(QMessageBox::No);
    QTest::mouseClick(w.button(MainButton::MaxBtn), Qt::LeftButton);
    QCOMPARE(answerer.texts.value(1),
             QStringLiteral("Если вы проспонсируете строительство дополнительного терминала,\n"
                            "то сможете закупать больше. Дадите $50000?"));
    QCOMPARE(lines.value(1), 2);  // each line whole where the screen has room
  }

  // The game as a player starts it: its window's caption is its own.
  void startedGameCarriesItsOwnCaption() {
    const QString game = qEnvironmentVariable("KELPMARK_GAME");
    if (game.isEmpty()) QSKIP("the game is not built");
    if (!uitest::onX11()) QSKIP("needs an X display");
    QProcess gameProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", dir_->filePath("data"));
    env.insert("HOME", dir_->path());
    gameProcess.setProcessEnvironment(env);
    gameProcess.start(game, {});
    QVERIFY(gameProcess.waitForStarted());
    // The titles of the windows the game's process has shown.
    const auto titles = [&gameProcess] {
      QStringList found;
      QProcess xwininfo;
      xwininfo.start("xwininfo", {"-root", "-tree"});
      xwininfo.waitForFinished(5000);
      const QString tree = QString::fromUtf8(xwininfo.readAllStandardOutput());
      static const QRegularExpression line(QStringLiteral("^\\s*(0x[0-9a-f]+) \""), QRegularExpression::MultilineOption);
      for (auto m = line.globalMatch(tree); m.hasNext();) {
        QProcess xprop;
        xprop.start("xprop", {"-id", m.next().captured(1), "_NET_WM_PID", "_NET_WM_NAME"});
        xprop.waitForFinished(5000);
        const QString props = QString::fromUtf8(xprop.readAllStandardOutput());
        if (!props.contains(QStringLiteral("_NET_WM_PID(CARDINAL) = %1\n").arg(gameProcess.processId()))) continue;
        const qsizetype name = props.indexOf(QStringLiteral("_NET_WM_NAME(UTF8_STRING) = \""));
        if (name >= 0) found << props.mid(name).section(u'"', 1, 1);
      }
      return found;
    };
    QStringList shown;
    QTRY_VERIFY_WITH_TIMEOUT(!(shown = titles()).isEmpty(), 10000);
    gameProcess.kill();
    gameProcess.waitForFinished();
    QCOMPARE(shown, QStringList{QStringLiteral("Kelpmark")});
  }

  // Qt's own Russian translations come first; the built-in table fills what they
  // lack, and stands in for them on a machine without them.
  void qtTextsInRussian() {
    const auto tr = [](const char* context, const char* text) {
      return QCoreApplication::translate(context, text);
    };
    {
      RussianQtTexts texts;
      QVERIFY(texts.qtOwnLoaded());
      QCOMPARE(tr("QWidgetTextControl", "Copy &Link Location"), QStringLiteral("Скопировать &адрес ссылки"));
      QCOMPARE(tr("QLineEdit", "&Select All"), QStringLiteral("&Выделить всё"));
    }
    QTemporaryDir none;
    RussianQtTexts texts(none.path());
    QVERIFY(!texts.qtOwnLoaded());
    QCOMPARE(tr("QWidgetTextControl", "Copy &Link Location"), QStringLiteral("Копировать &адрес ссылки"));
  }

  // Help opened over the About box can be used, and closing it gives the box back.
  void helpOverTheAboutBox() {
    startGame();
    MainWindow& w = game_->mainWindow();
    WelcomeWindow& welcome = game_->welcomeWindow();
    HelpWindow& help = game_->helpWindow();
    auto* browser = help.findChild<QTextBrowser*>();
    bool done = false;
    uitest::whenModalOpens([&](QWidget* m) { return m == &welcome; }, [&](QWidget*) {
      QVERIFY(uitest::waitActive(&welcome));
      QVERIFY(near(uitest::offCentre(&welcome)));
      if (uitest::onX11()) QCOMPARE(uitest::windowManagerTitle(&welcome), QStringLiteral("Welcome!"));
      QVERIFY(uitest::pressKey(Qt::Key_F1));
      QVERIFY(uitest::waitActive(&help));
      QCOMPARE(help.currentPage(), QStringLiteral("topic_100.html"));
      // Its context menus speak Russian too, the scroll bar's with Qt's own words.
      const QStringList menu = uitest::contextMenuTexts(browser->viewport(), QPoint(40, 80));
      QVERIFY2(menu.contains(QStringLiteral("Выделить всё")), qPrintable(menu.join(u'|')));
      const QStringList scroll = uitest::contextMenuTexts(browser->verticalScrollBar(), QPoint(5, 40));
      QVERIFY2(scroll.contains(QStringLiteral("Прокрутить сюда")), qPrintable(scroll.join(u'|')));
      // Its links and buttons work by mouse; "Назад" once a page was left.
      QAbstractButton* back = uitest::buttonWithText(&help, QStringLiteral("Назад"));
      QVERIFY(!back->isEnabled());
      QVERIFY(uitest::clickLink(browser, QStringLiteral("index.html")));
      QTRY_COMPARE(help.currentPage(), QStringLiteral("index.html"));
      QVERIFY(back->isEnabled());
      QVERIFY(uitest::clickLink(browser, QStringLiteral("topic_10.html")));
      QTRY_COMPARE(help.currentPage(), QStringLiteral("topic_10.html"));
      uitest::saveScreenScreenshot(&help, "help-over-welcome");
      QTest::mouseClick(uitest::buttonWithText(&help, QStringLiteral("Закрыть")), Qt::LeftButton);
      QVERIFY(!help.isVisible());
      QVERIFY(uitest::waitActive(&welcome));
      // Opened again, no page of it was left yet; its page scrolls by keys at once;
      // Escape closes one, then the other.
      QVERIFY(uitest::pressKey(Qt::Key_F1));
      QVERIFY(uitest::waitActive(&help));
      QVERIFY(!back->isEnabled());
      QVERIFY(uitest::pressKey(Qt::Key_PageDown));
      QVERIFY(browser->verticalScrollBar()->value() > 0);
      QVERIFY(uitest::pressKey(Qt::Key_Escape));
      QVERIFY(uitest::waitActive(&welcome));
      QVERIFY(uitest::pressKey(Qt::Key_Escape));
      done = true;
    });
    QVERIFY(uitest::chooseMenuItem(&w, QStringLiteral("?"), QStringLiteral("About...")));
    QVERIFY(done);
    QVERIFY(!welcome.isVisible());
  }

  // Whatever a step has already shown is on the screen under the box it opens.
  void boxesOpenOverAnUpToDateMainWindow() {
    startGame();
    MainWindow& w = game_->mainWindow();
    // The reports window pauses: the lamps go out before it opens; Return closes it.
    QTest::keyClick(&w, Qt::Key_5, Qt::AltModifier);
    QTRY_VERIFY(w.button(MainButton::StatsBtn)->isEnabled());
    QTest::keyClick(&w, Qt::Key_3, Qt::AltModifier);
    bool lampsOut = false;
    uitest::whenModalOpens([&](QWidget* m) { return m == &game_->reportWindow(); }, [&](QWidget* m) {
      lampsOut = !w.lamp(1)->isLit() && !w.lamp(2)->isLit() && !w.lamp(3)->isLit();
      QVERIFY(near(uitest::offCentre(m)));
      if (uitest::onX11()) QCOMPARE(uitest::windowManagerTitle(m), QStringLiteral("Отчеты"));
      QVERIFY(uitest::waitActive(m));
      QVERIFY(uitest::pressKey(Qt::Key_Return));
    });
    QTest::mouseClick(w.button(MainButton::StatsBtn), Qt::LeftButton);
    QVERIFY(lampsOut);
    QVERIFY(!game_->reportWindow().isVisible());
    QVERIFY(uitest::waitActive(&w));
    QVERIFY(w.lamp(3)->isLit());
    QCOMPARE(form().SpeedLevel, 3);

    // The halving question at midnight shows the money after the day's upkeep.
    QTest::mouseClick(w.button(MainButton::StorageBtn), Qt::LeftButton);
    QTest::keyClick(&w, Qt::Key_5, Qt::AltModifier);
    QTRY_VERIFY(game_->program().game.values.clock.CurrentHour == 8);
    game_->program().game.corp().LastMonthValue = Currency::fromUnits(1000000);
    uitest::BoxAnswerer answerer;
    answerer.queue(QMessageBox::Yes);
    QString shown, state;
    answerer.onBox([&](QMessageBox*) {
      shown = text(MainLabel::MoneyLbl);
      state = QString::fromStdString(form().label(MainLabel::MoneyLbl).text());
      uitest::saveScreenScreenshot(&w, "main-under-halving-question");
    });
    QTRY_COMPARE_WITH_TIMEOUT(answerer.texts.size(), 1, 10000);
    QCOMPARE(shown, state);
  }

  // Every finished game is in «Рекорды» at once and after a restart: a lost one
  // highlighted once the outcome's question is answered, a won one before the
  // program ends; wins first. Before any game the window says so.
  void finishedGamesAreInTheResults() {
    ResultsSeen seen;
    watchModals(seen);
    restart(31);
    QTest::keyClick(&game_->mainWindow(), Qt::Key_F4);
    QCOMPARE(seen.shown, QStringList{QStringLiteral("Ни одна игра ещё не закончена. Здесь появится каждая "
                                                    "игра, выигранная или проигранная, с её итогом.")});
    QVERIFY(uitest::waitActive(&game_->mainWindow()));

    // Lost: the value halves overnight; Yes starts the next game.
    startGame();
    game_->mainWindow().perform(PlayerAction::speed(5));
    game_->program().game.corp().LastMonthValue = Currency::fromUnits(30000);
    tickOverMidnight();
    QTRY_COMPARE(seen.shown.size(), 2);
    // The first tick's daily step finds the value halved; the date played is now.
    QCOMPARE(seen.shown[1].section(u'|', 0, 5), QStringLiteral("*1|Стоимость упала вдвое|01.01.2001|$10100|$10000|2%"));
    const QDateTime played =
        QDateTime::fromString(seen.shown[1].section(u'|', 6), QStringLiteral("dd.MM.yyyy H:mm"));
    QVERIFY(std::abs(played.secsTo(QDateTime::currentDateTime())) < 120);
    QVERIFY(game_->program().game.hasCompany() && !game_->program().ended);

    // Won: the whole market at the next sales hour; the program ends after it.
    Program& p = game_->program();
    for (int i = 0; i < 60 * 24 && !(p.game.values.clock.CurrentHour == 9 && p.game.values.clock.CurrentWeekDay == 2); ++i)
      game_->mainWindow().perform(PlayerAction::tick());
    game_->mainWindow().perform(PlayerAction::speed(5));
    p.game.corp().MarketShare = 100;
    p.game.corp().MarketUse = 1000;
    p.game.corp().SaleTicks = 1000;
    for (int i = 0; i < 2 && !p.ended; ++i) game_->mainWindow().perform(PlayerAction::tick());
    QVERIFY(p.ended);
    QTRY_COMPARE(seen.shown.size(), 3);
    QVERIFY2(seen.shown[2].startsWith(QStringLiteral("*1|Победа|01.01.2001|")), qPrintable(seen.shown[2]));
    QVERIFY(seen.shown[2].contains(QStringLiteral("\n2|Стоимость упала вдвое|")));

    restart(32);
    QVERIFY(uitest::chooseMenuItem(&game_->mainWindow(), QStringLiteral("Игра"), QStringLiteral("Рекорды")));
    QTRY_COMPARE(seen.shown.size(), 4);
    QCOMPARE(seen.shown[3], QString(seen.shown[2]).remove(0, 1));
  }

  void fewDaysOfTrading() {
    startGame();
    MainWindow& w = game_->mainWindow();
    uitest::BoxAnswerer answerer;
    for (MainButton b : {MainButton::StorageBtn, MainButton::LotBtn, MainButton::StuffBtn,
                         MainButton::StuffBtn, MainButton::SalerBtn})
      QTest::mouseClick(w.button(b), Qt::LeftButton);
    const TMainForm& f = form();
    w.perform(PlayerAction::speed(5));
    for (int hour = 0; hour < 24 * 4; ++hour) {
      w.perform(PlayerAction::click(MainButton::MaxBtn));
      if (f.PSpn.value > 0) w.perform(PlayerAction::click(MainButton::FishBtn));
      w.timerTick();
    }
    QCoreApplication::processEvents();
    QVERIFY(game_->program().game.corp().LastDayRevenue > Currency());
    // The day's report scrolls into view on the ticker.
    QVERIFY(w.ticker()->text().contains(QStringLiteral("Day close: $")));
    for (int i = 0; i < 100; ++i) w.ticker()->scrollStep();
    QVERIFY(uitest::saveScreenshot(&w, "main-after-trading"));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
