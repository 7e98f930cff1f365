// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game keeps its save, as a player meets it: the user's data directory
// (named in Cyrillic here, under whatever locale ctest gives), an old save beside
// the executable, and a second copy of the game started while the real game runs.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>
#include <unistd.h>

#include "commands/program.h"
#include "ui/command_line.h"
#include "ui/game_start.h"
#include "ui/main_window.h"
#include "ui/save_location.h"
#include "ui/save_lock.h"
#include "ui_test_support.h"
#include "widgets/shadow_label.h"

using namespace kelpmark;
using namespace kelpmark::ui;

namespace {

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class SavePlaceTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  QString dataHome_;

  // Plays a new game to the exit question with this much cash and answers Yes.
  static void saveGameWithMoney(const GameUiOptions& options, int money) {
    GameUi game(options);
    game.show();
    QVERIFY(QTest::qWaitForWindowExposed(&game.mainWindow()));
    QTest::keyClick(&game.mainWindow(), Qt::Key_F2);
    QVERIFY(game.program().game.hasCompany());
    game.program().game.corp().Money = Currency::fromUnits(money);
    uitest::BoxAnswerer answerer;
    QVERIFY(game.mainWindow().close());
    QCOMPARE(answerer.texts.value(0), QStringLiteral("Сохранить текущую игру?"));
  }

  // Starts the game and answers the resume question with Yes; the money it shows.
  static QString resumedMoney(const GameUiOptions& options) {
    uitest::BoxAnswerer answerer;
    GameUi game(options);
    game.show();
    if (!QTest::qWaitFor([&] { return game.program().game.hasCompany(); }, 3000)) return {};
    game.program().ended = true;
    return game.mainWindow().label(MainLabel::MoneyLbl)->displayText();
  }

  // The real game, started offscreen in this test's data directory; returns once
  // it holds the lock on its save.
  bool startRealGame(QProcess& game) {
    const QString binary = qEnvironmentVariable("KELPMARK_GAME");
    if (binary.isEmpty()) return false;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome_);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    game.setProcessEnvironment(env);
    game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    game.start(binary, {});
    const QString lock = SaveLock::lockPath(saveFilePath());
    return game.waitForStarted() &&
           QTest::qWaitFor([&] { return QFile::exists(lock) || game.state() != QProcess::Running; },
                           10000) &&
           game.state() == QProcess::Running;
  }

 private slots:
  void initTestCase() {
    identifyApplication();
    // A locale that was asked for but is not installed leaves the C locale.
    const QByteArray wanted = qgetenv("LC_ALL");
    const QByteArray have = std::setlocale(LC_CTYPE, nullptr);
    if (wanted.contains("UTF-8") && !have.contains(wanted.left(5)))
      QSKIP("the UTF-8 locale asked for is not installed");
  }

  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    dataHome_ = dir_->filePath(QStringLiteral("Мои данные"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome_));
  }

  void savesAndResumesInACyrillicDataDirectory() {
    const GameUiOptions options = savedGameOptions();
    QCOMPARE(options.savePath,
             dataHome_ + QStringLiteral("/Vorlent/kelpmark/game.dat"));
    saveGameWithMoney(options, 4321);
    // The file is where the player's file manager finds it, named as the program says.
    QVERIFY(QDir(dir_->path()).entryList().contains(QStringLiteral("Мои данные")));
    QVERIFY(readAll(options.savePath).startsWith("0\r\n0\r\n0\r\n"));
    QCOMPARE(resumedMoney(savedGameOptions()), QStringLiteral("Денег:  $4321"));
  }

  void oldSaveBesideTheProgramIsResumedAndTheNextSaveGoesToTheDataDirectory() {
    const QString legacyDir = dir_->filePath(QStringLiteral("старая папка"));
    QVERIFY(QDir().mkpath(legacyDir));
    const QString legacy = legacyDir + QStringLiteral("/game.dat");
    GameUiOptions old;
    old.savePath = legacy;
    saveGameWithMoney(old, 1234);
    const QByteArray oldBytes = readAll(legacy);

    GameUiOptions options = savedGameOptions();
    QCOMPARE(resumeFilePath(options.savePath, legacy), legacy);
    options.resumePath = resumeFilePath(options.savePath, legacy);
    {
      uitest::BoxAnswerer answerer;
      GameUi game(options);
      game.show();
      QVERIFY(QTest::qWaitFor([&] { return game.program().game.hasCompany(); }, 3000));
      QCOMPARE(game.mainWindow().label(MainLabel::MoneyLbl)->displayText(),
               QStringLiteral("Денег:  $1234"));
      game.program().game.corp().Money = Currency::fromUnits(777);
      QVERIFY(game.mainWindow().close());
    }
    QCOMPARE(readAll(legacy), oldBytes);
    QVERIFY(QFile::exists(options.savePath));
    // From now on the data directory's file is the one resumed.
    QCOMPARE(resumeFilePath(options.savePath, legacy), options.savePath);
    options.resumePath = resumeFilePath(options.savePath, legacy);
    QCOMPARE(resumedMoney(options), QStringLiteral("Денег:  $777"));
  }

  void secondCopyIsRefusedAndACrashedOnesLockIsTakenOver() {
    // A save the second copy must neither read nor touch.
    saveGameWithMoney(savedGameOptions(), 555);
    const QString save = saveFilePath();
    const QByteArray bytes = readAll(save);
    const QDateTime written = QFileInfo(save).lastModified();

    QProcess first;
    if (qEnvironmentVariableIsEmpty("KELPMARK_GAME")) QSKIP("KELPMARK_GAME names no game binary");
    QVERIFY(startRealGame(first));

    uitest::BoxAnswerer answerer;
    // Should the game start after all, its event loop ends here and the test fails.
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(-1); });
    QCOMPARE(runGame(), 1);
    QCOMPARE(answerer.texts, QStringList{QString::fromUtf8(kSaveInUseMessage)});
    QCOMPARE(readAll(save), bytes);
    QCOMPARE(QFileInfo(save).lastModified(), written);
    QVERIFY(!QFile::exists(save + QStringLiteral(".bad")));

    // The first copy crashes: its lock stays behind, and the next start takes it over.
    first.kill();
    QVERIFY(first.waitForFinished());
    const QString lockPath = SaveLock::lockPath(save);
    QVERIFY(QFile::exists(lockPath));
    SaveLock lock(save);
    QCOMPARE(lock.acquire(), SaveLock::Outcome::Play);
    QVERIFY(readAll(lockPath).startsWith(QByteArray::number(QCoreApplication::applicationPid())));
  }

  // Locks that no running copy holds are taken over; one written on another
  // computer only when the player says so; a directory in its place is named.
  void staleLocksAreTakenOverAndAnotherComputersOnlyWhenThePlayerSaysSo() {
    const QString save = saveFilePath();
    const QString path = SaveLock::lockPath(save);
    const QByteArray ours = QByteArray::number(QCoreApplication::applicationPid()) + '\n';
    const auto plant = [&](const QByteArray& bytes) {
      QFile f(path);
      return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
    };
    // What a power cut just after a start leaves (also in the lock under which two
    // copies take turns), and what no program writes.
    for (const QByteArray& bytes : {QByteArray(), QByteArray("\x01\x02 lock?\n")}) {
      QVERIFY(plant(bytes));
      QFile turn(path + QStringLiteral(".rmlock"));
      QVERIFY(turn.open(QIODevice::WriteOnly));
      turn.close();
      SaveLock lock(save);
      QCOMPARE(lock.acquire(), SaveLock::Outcome::Play);
      QVERIFY(readAll(path).startsWith(ours));
    }
    // An empty lock that a copy starting right now holds stays its own.
    {
      QLockFile starting(path);
      QVERIFY(starting.tryLock(0));
      QVERIFY(plant(QByteArray()));
      SaveLock lock(save);
      QCOMPARE(lock.acquire(), SaveLock::Outcome::InUse);
    }
    const QByteArray elsewhere("4242\nkelpmark\nfaraway\nnot-this-computer\n\n");
    QVERIFY(plant(elsewhere));
    QStringList asked;
    {
      SaveLock lock(save);
      QCOMPARE(lock.acquire([&](const QString& host) {
        asked << host;
        return false;
      }),
               SaveLock::Outcome::Declined);
    }
    QCOMPARE(asked, QStringList{QStringLiteral("faraway")});
    QCOMPARE(readAll(path), elsewhere);
    QVERIFY(takeOverQuestion(QStringLiteral("faraway")).contains(QStringLiteral("«faraway»")));
    {
      SaveLock lock(save);
      QCOMPARE(lock.acquire([](const QString&) { return true; }), SaveLock::Outcome::Play);
      QVERIFY(readAll(path).startsWith(ours));
    }
    QVERIFY(QDir().mkpath(path));
    uitest::BoxAnswerer answerer;
    QCOMPARE(runGame(), 1);
    QCOMPARE(answerer.texts.size(), 1);
    QVERIFY(answerer.texts[0].contains(path));
  }

  // A recording never goes through a link or into the game's own files: the start
  // is refused before anything is touched.
  void recordingIntoALinkOrTheGamesOwnFilesIsRefused() {
    saveGameWithMoney(savedGameOptions(), 555);
    const QString save = saveFilePath();
    const QByteArray bytes = readAll(save);
    const QString victim = dir_->filePath(QStringLiteral("victim"));
    QFile v(victim);
    QVERIFY(v.open(QIODevice::WriteOnly) && v.write("keep") == 4);
    v.close();
    const QString link = dir_->filePath(QStringLiteral("link"));
    QVERIFY(QFile::link(victim, link));
    const QString hard = dir_->filePath(QStringLiteral("hard"));
    QVERIFY(::link(QFile::encodeName(save).constData(), QFile::encodeName(hard).constData()) == 0);
    const QString other = QFileInfo(save).absolutePath() + QStringLiteral("/../kelpmark/game.dat");
    for (const QString& path : {link, save, hard, other, save + QStringLiteral(".recovery"),
                                save + QStringLiteral(".books"), save + QStringLiteral(".recovery.books"),
                                save + QStringLiteral(".lock")})
      QCOMPARE(runGame(path), 2);
    QCOMPARE(readAll(save), bytes);
    QCOMPARE(readAll(victim), QByteArray("keep"));
    QCOMPARE(QDir(QFileInfo(save).absolutePath()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             (QStringList{QStringLiteral("game.dat"), QStringLiteral("game.dat.books")}));
  }
};

QTEST_MAIN(SavePlaceTest)
#include "save_place_test.moc"
