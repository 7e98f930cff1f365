// SPDX-License-Identifier: GPL-3.0-or-later
// A recorded game played again: the game is driven through its windows with the
// mouse and the keyboard while it is recorded (--record), then kelpmark-sim plays
// the recording, and its dump must equal the game's own state line for line.
#include <QComboBox>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "commands/program.h"
#include "commands/state_dump.h"
#include "model/text_format.h"
#include "ui/action_window.h"
#include "ui/build_window.h"
#include "ui/help_window.h"
#include "ui/lamp_widget.h"
#include "ui/game_ui.h"
#include "ui/main_window.h"
#include "ui/pers_window.h"
#include "ui/quantity_spin_box.h"
#include "ui/recording.h"
#include "ui_test_support.h"
#include "widgets/gradient_button.h"
#include "widgets/shadow_label.h"

using namespace kelpmark;
using namespace kelpmark::ui;

class RecordReplayTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::unique_ptr<GameUi> game_;
  std::unique_ptr<Recording> recording_;
  // What the recording told the player.
  QStringList told_;

  MainWindow& main() { return game_->mainWindow(); }

  // Starts the game recorded into `name`, as --record does.
  void startRecordedGame(const QString& name) {
    GameUiOptions options;
    options.savePath = dir_.filePath(QStringLiteral("game.dat"));
    options.fixedSeed = 4242;
    options.consecutiveSeeds = true;
    game_ = std::make_unique<GameUi>(options);
    recording_ = Recording::start(game_->program(), dir_.filePath(name),
                                  [this](const Text& text) { told_ << QString::fromStdString(text.russian()); });
    QVERIFY(recording_ != nullptr);
    game_->show();
    QVERIFY(QTest::qWaitForWindowExposed(&main()));
    main().activateWindow();
  }

  // A key pressed in the main window, brought to the front first as a player would.
  bool mainKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    main().activateWindow();
    if (!uitest::waitActive(&main())) return false;
    QTest::keyClick(&main(), key, modifiers);
    return true;
  }
  int speed() { return game_->program().mainForm.SpeedLevel; }

  // Timer events, as the game timer delivers them.
  void ticks(int n) {
    for (int i = 0; i < n; ++i) main().timerTick();
  }

  // A mouse click on an enabled, shown widget.
  static bool click(QWidget* w) {
    if (w == nullptr || !w->isVisible() || !w->isEnabled()) return false;
    QTest::mouseClick(w, Qt::LeftButton);
    return true;
  }
  bool click(MainButton b) { return click(main().button(b)); }
  static bool click(QWidget* window, const char* caption) {
    return click(uitest::buttonWithText(window, QString::fromUtf8(caption)));
  }
  // Picks an item of a drop-down list with the arrow keys, one item at a time.
  static bool choose(QComboBox* box, const char* item) {
    const int want = box->findText(QString::fromUtf8(item));
    if (want < 0) return false;
    box->setFocus();
    for (int i = 0; i < box->count() && box->currentIndex() != want; ++i)
      QTest::keyClick(box, box->currentIndex() < want ? Qt::Key_Down : Qt::Key_Up);
    return box->currentIndex() == want;
  }
  // Clicks an entry of a list with the mouse.
  static bool clickEntry(QListWidget* list, int row) {
    if (row >= list->count()) return false;
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    return true;
  }
  // Steps the purchase quantity with an arrow key.
  void stepQuantity(Qt::Key key) {
    main().quantity()->setFocus();
    QTest::keyClick(main().quantity(), key);
  }

  // Ends the game (saved at the exit question when asked to) and its
  // recording, plays the recording with kelpmark-sim in its folder and compares
  // the dump with the game's state.
  void expectReplayEqualsGame(const QString& name, bool saveAtExit) {
    QStringList expected;
    for (const std::string& line : dumpLines(game_->program()))
      expected << QString::fromStdString(escapeLineBreaks(line));
    if (saveAtExit) {  // the test's box answerer says Yes
      QVERIFY(main().close());
      QVERIFY(QFile::exists(dir_.filePath(QStringLiteral("game.dat"))));
    }
    recording_.reset();
    game_->program().ended = true;  // no save question when the window goes
    game_.reset();

    QProcess sim;
    sim.setWorkingDirectory(dir_.path());
    sim.start(qEnvironmentVariable("KELPMARK_SIM"), {name});
    QVERIFY(sim.waitForFinished(60000));
    QCOMPARE(sim.exitCode(), 0);
    const QStringList log = QString::fromUtf8(sim.readAllStandardOutput()).split(u'\n');
    const qsizetype from = log.indexOf(QStringLiteral("--- dump"));
    QVERIFY2(from >= 0, "the recording ends with a dump");
    const QStringList replayed = log.mid(from, expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
      QCOMPARE(replayed.value(i), expected[i]);
  }

 private slots:
  void initTestCase() { QVERIFY(dir_.isValid()); }

  void cleanup() {
    told_.clear();
    recording_.reset();
    if (game_) game_->program().ended = true;
    game_.reset();
  }

  // A new game built up, traded and managed through every window, with questions
  // answered both ways and every speed, then saved at exit.
  void playedGameReplaysToTheSameState() {
    startRecordedGame(QStringLiteral("first game.txt"));
    uitest::BoxAnswerer answerer;
    MainWindow& w = main();
    QVERIFY(mainKey(Qt::Key_F2));
    QVERIFY(mainKey(Qt::Key_5, Qt::AltModifier));
    QCOMPARE(speed(), 5);
    // The first morning: a store, two stalls, loaders and a salesman.
    for (MainButton b : {MainButton::StorageBtn, MainButton::LotBtn, MainButton::LotBtn,
                         MainButton::StuffBtn, MainButton::StuffBtn, MainButton::SalerBtn})
      QVERIFY(click(b));
    ticks(3);  // 9:00: fish bought at the most, after a bargain
    QVERIFY(click(MainButton::MaxBtn));
    QVERIFY(click(MainButton::TorgBtn));
    stepQuantity(Qt::Key_Down);  // refused after the bargain
    QVERIFY(click(MainButton::FishBtn));
    ticks(2);
    stepQuantity(Qt::Key_Up);
    stepQuantity(Qt::Key_Up);
    QVERIFY(click(MainButton::FishBtn));
    QVERIFY(click(MainButton::SalerBtn));

    // The personnel window: a department, an employee, praise, pay, a firing.
    QVERIFY(click(MainButton::WokrersBtn));
    PersWindow& pers = game_->persWindow();
    QVERIFY(pers.isVisible());
    QVERIFY(choose(pers.findChild<QComboBox*>(), "Продавцы"));
    QVERIFY(clickEntry(pers.findChild<QListWidget*>(), 1));
    QVERIFY(click(&pers, "Похвалить"));
    QVERIFY(click(&pers, "Поднять"));
    QVERIFY(click(&pers, "Дать премию"));
    QVERIFY(click(&pers, "Уволить"));
    QVERIFY(click(&pers, "Ok"));
    QVERIFY(!pers.isVisible());

    // The actions window: pay rises, premiums, a dismissal declined, a campaign.
    QVERIFY(click(MainButton::ActionsBtn));
    ActionWindow& actions = game_->actionWindow();
    const QList<QComboBox*> boxes = actions.findChildren<QComboBox*>();
    QCOMPARE(boxes.size(), 2);
    QVERIFY(choose(boxes[0], "Грузчиков"));
    QVERIFY(click(&actions, "Поднять оклады"));
    QVERIFY(click(&actions, "Выдать премии"));
    answerer.queue(QMessageBox::No);
    QVERIFY(click(&actions, "Распустить"));
    QVERIFY(choose(boxes[1], "Наша фирма - лучшая!"));
    click(&actions, "Провести!");
    QTest::keyClick(&actions, Qt::Key_Escape);
    QVERIFY(!actions.isVisible());

    // The reports window pauses the game while it is open.
    uitest::whenModalOpens([](QWidget* m) { return m->windowTitle() == QStringLiteral("Отчеты"); },
                           [](QWidget* m) { QTest::keyClick(m, Qt::Key_Escape); });
    click(MainButton::StatsBtn);
    // Help (at the slow speed) and the welcome window.
    QVERIFY(mainKey(Qt::Key_F1));
    QCOMPARE(speed(), 1);
    QTest::keyClick(&game_->helpWindow(), Qt::Key_Escape);
    uitest::whenModalOpens([](QWidget* m) { return m->windowTitle() == QStringLiteral("Welcome!"); },
                           [](QWidget* m) { QTest::keyClick(m, Qt::Key_Escape); });
    QVERIFY(uitest::chooseMenuItem(&w, QStringLiteral("?"), QStringLiteral("About...")));

    // Every speed, the lamps, the clock, minimizing; days go by.
    for (int level = 1; level <= 4; ++level) {
      QVERIFY(mainKey(static_cast<Qt::Key>(Qt::Key_0 + level), Qt::AltModifier));
      QCOMPARE(speed(), level);
      ticks(5);
    }
    QTest::mouseClick(w.lamp(2), Qt::LeftButton);
    ticks(7);
    QTest::mouseClick(w.label(MainLabel::TimeLbl), Qt::LeftButton);
    QCOMPARE(speed(), 0);
    ticks(3);  // paused: these do not run
    w.showMinimized();
    w.showNormal();
    QVERIFY(mainKey(Qt::Key_5, Qt::AltModifier));
    QCOMPARE(speed(), 5);
    ticks(48);  // two days later, by day
    // The exit question answered Cancel: the game goes on, and the answer is no
    // answer of the game's (a script that queued it would sell nothing below).
    answerer.queue(QMessageBox::Cancel);
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    // The buildings window: its help, a stall sold after a No.
    QVERIFY(click(MainButton::BuildingsBtn));
    BuildWindow& build = game_->buildWindow();
    QVERIFY(choose(build.findChild<QComboBox*>(), "Торговые лотки"));
    QVERIFY(clickEntry(build.findChild<QListWidget*>(), 0));
    QVERIFY(click(&build, "Help"));
    QTest::keyClick(&game_->helpWindow(), Qt::Key_Escape);
    answerer.queue(QMessageBox::No);
    QVERIFY(click(&build, "Продать"));
    answerer.queue(QMessageBox::Yes);
    QVERIFY(click(&build, "Продать"));
    build.close();  // its close box
    QVERIFY(!build.isVisible());

    click(MainButton::StopBtn);
    ticks(30);
    QVERIFY(answerer.texts.size() >= 4);
    QVERIFY(game_->program().game.corp().Lots.size() == 1);

    expectReplayEqualsGame(QStringLiteral("first game.txt"), true);
  }

  // The saved game resumed: the recording plays a copy of the file beside it.
  void resumedGameReplaysFromACopyOfItsFile() {
    QVERIFY(QFile::exists(dir_.filePath(QStringLiteral("game.dat"))));
    uitest::BoxAnswerer answerer;
    answerer.queue(QMessageBox::Yes);
    startRecordedGame(QStringLiteral("second game.txt"));
    QTRY_VERIFY(game_->program().game.hasCompany());
    QCOMPARE(answerer.texts.value(0), QStringLiteral("Загрузить предыдущую игру?"));
    QVERIFY(mainKey(Qt::Key_5, Qt::AltModifier));
    ticks(20);
    QVERIFY(click(MainButton::LotBtn));
    QVERIFY(click(MainButton::SalerBtn));
    ticks(30);
    expectReplayEqualsGame(QStringLiteral("second game.txt"), false);
    QFile script(dir_.filePath(QStringLiteral("second game.txt")));
    QVERIFY(script.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = script.readAll().split('\n');
    QVERIFY(lines.value(1).startsWith("resume second_game.txt.resumed.dat 4242"));
    QCOMPARE(QFileInfo(dir_.filePath(QStringLiteral("second_game.txt.resumed.dat"))).size(),
             QFileInfo(dir_.filePath(QStringLiteral("game.dat"))).size());
  }

  // A disk that fills up (a file-size limit here): the player is told once, the
  // file keeps whole lines only and plays as a script, and once there is room again
  // the recording catches up, so that the whole game still plays again.
  void recordingCarriesOnAfterAFullDisk() {
    const QString name = QStringLiteral("full disk.txt");
    rlimit normal{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &normal) == 0);
    rlimit full = normal;
    full.rlim_cur = 150;
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &full) == 0);
    uitest::BoxAnswerer answerer;
    answerer.queue(QMessageBox::No);  // not the saved game: a new one
    startRecordedGame(name);
    QVERIFY(mainKey(Qt::Key_F2));
    QVERIFY(mainKey(Qt::Key_5, Qt::AltModifier));
    for (MainButton b : {MainButton::StorageBtn, MainButton::LotBtn, MainButton::StuffBtn,
                         MainButton::SalerBtn}) {
      QVERIFY(click(b));
      ticks(2);
    }
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &normal) == 0);
    QCOMPARE(told_.size(), 1);
    QVERIFY(told_[0].contains(QStringLiteral("превышен допустимый размер файла")));
    QFile cut(dir_.filePath(name));
    QVERIFY(cut.open(QIODevice::ReadOnly));
    const QByteArray script = cut.readAll();
    QVERIFY(script.size() <= 150 && script.endsWith('\n'));
    QProcess sim;
    sim.setWorkingDirectory(dir_.path());
    sim.start(qEnvironmentVariable("KELPMARK_SIM"), {name});
    QVERIFY(sim.waitForFinished(60000));
    QCOMPARE(sim.exitCode(), 0);

    QVERIFY(click(MainButton::AccounterBtn));
    ticks(30);
    QCOMPARE(told_.size(), 1);
    expectReplayEqualsGame(name, false);
  }

  // A FIFO: the start does not wait for a reader, the script waits for one, and a
  // reader that goes away costs the game nothing but one message.
  void recordingIntoAFifoNeverWaitsForItsReader() {
    const QString fifo = dir_.filePath(QStringLiteral("pipe"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    uitest::BoxAnswerer answerer;
    answerer.queue(QMessageBox::No);
    startRecordedGame(QStringLiteral("pipe"));
    QVERIFY(mainKey(Qt::Key_F2));
    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    QVERIFY(mainKey(Qt::Key_5, Qt::AltModifier));
    QVERIFY(click(MainButton::StorageBtn));
    char buffer[4096];
    const ssize_t n = ::read(reader, buffer, sizeof buffer);
    ::close(reader);
    QVERIFY(n > 0);
    const QByteArray got(buffer, static_cast<qsizetype>(n));
    QVERIFY(got.startsWith("# A game of Kelpmark"));
    QVERIFY(got.contains("\nnew 4242\n") && got.contains("\nclick MainForm.StorageBtn\n"));
    QVERIFY(click(MainButton::LotBtn));
    ticks(20);
    QCOMPARE(told_.size(), 1);
    QVERIFY(told_[0].contains(QStringLiteral("программа, читавшая канал, завершилась")));
    QVERIFY(game_->program().game.corp().Lots.size() == 1);
  }
};

QTEST_MAIN(RecordReplayTest)
#include "record_replay_test.moc"
