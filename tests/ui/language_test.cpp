// SPDX-License-Identifier: GPL-3.0-or-later
// The game in the language the player's environment chooses (CTest runs this under
// several: KELPMARK_EXPECT_LANGUAGE names the one it must pick): every window's
// title and a few of its texts read back, its boxes, its help and Qt's own texts;
// in English no Cyrillic letter anywhere a player can reach.
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "commands/program.h"
#include "ui/action_window.h"
#include "ui/build_window.h"
#include "ui/command_line.h"
#include "ui/finance_window.h"
#include "ui/game_ui.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/pers_window.h"
#include "ui/report_window.h"
#include "ui/results_window.h"
#include "ui/welcome_window.h"
#include "ui_test_support.h"
#include "widgets/gradient_button.h"
#include "widgets/shadow_label.h"

using namespace kelpmark;
using namespace kelpmark::ui;

// Counts the lookups of every catalogue installed before it (and finds nothing itself).
class LookupCounter : public QTranslator {
 public:
  QString translate(const char*, const char*, const char*, int) const override {
    ++lookups;
    return {};
  }
  bool isEmpty() const override { return false; }
  mutable int lookups = 0;
};

class LanguageTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<GameUi> game_;
  // Every text a player could read, with the window it was found in.
  QStringList seen_;

  static Language expected() {
    return qEnvironmentVariable("KELPMARK_EXPECT_LANGUAGE") == QStringLiteral("en")
               ? Language::English
               : Language::Russian;
  }
  static bool english() { return expected() == Language::English; }
  static QString says(const char* russian, const char* english) {
    return QString::fromUtf8(LanguageTest::english() ? english : russian);
  }
  void look(QWidget* window, const QString& name) {
    for (const QString& t : uitest::readableTexts(window)) seen_ << name + QStringLiteral(": ") + t;
    QVERIFY(uitest::saveScreenshot(window, name + QLatin1Char('-') + languageCode(expected())));
  }
  QString title(QWidget* w) {
    return uitest::onX11() ? uitest::windowManagerTitle(w) : w->windowTitle();
  }

 private slots:
  // The interface languages choose in their order; none the game has: English,
  // but Russian under the C locale; --language overrides them.
  void theLanguageIsChosen() {
    const struct {
      QStringList languages;
      bool cLocale;
      Language language;
    } cases[] = {
        {{QStringLiteral("de-DE"), QStringLiteral("de"), QStringLiteral("ru")}, false, Language::Russian},
        {{QStringLiteral("en-GB"), QStringLiteral("ru-RU")}, false, Language::English},
        {{QStringLiteral("uk-UA"), QStringLiteral("uk")}, false, Language::English},
        {{QStringLiteral("C")}, true, Language::Russian},
        {{QStringLiteral("en")}, true, Language::English},
        {{}, false, Language::English},
    };
    for (const auto& c : cases)
      QVERIFY2(languageFor(c.languages, c.cLocale) == c.language, qPrintable(c.languages.join(u',')));
    QVERIFY(userLanguage() == expected());
    const auto line = [](const char* value) {
      return readCommandLine({QStringLiteral("kelpmark"), QStringLiteral("--language"),
                              QString::fromUtf8(value)},
                             true);
    };
    QVERIFY(line("en").language == Language::English && !line("en").exitStatus);
    QVERIFY(line("ru").language == Language::Russian);
    QCOMPARE(line("fr").exitStatus.value_or(0), 2);
  }

  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    GameUiOptions options;
    options.savePath = dir_->filePath("game.dat");
    options.resultsPath = dir_->filePath("results");
    options.fixedSeed = 5;
    options.language = userLanguage();
    game_ = std::make_unique<GameUi>(options);
    game_->show();
  }

  void cleanup() {
    game_->program().ended = true;
    game_.reset();
  }

  // Once a text has been shown, showing it again looks nothing up: a day of ticks
  // with every window open, after a week that showed each day's texts once.
  void aTickTranslatesNothingItShowedBefore() {
    MainWindow& w = game_->mainWindow();
    w.perform(PlayerAction::newGame());
    game_->program().game.corp().Money = Currency::fromUnits(60000);
    w.perform(PlayerAction::speed(5));
    w.perform(PlayerAction::tick(4));
    for (MainButton b : {MainButton::StorageBtn, MainButton::LotBtn, MainButton::StuffBtn,
                         MainButton::SalerBtn, MainButton::WokrersBtn, MainButton::BuildingsBtn,
                         MainButton::ActionsBtn})
      w.perform(PlayerAction::click(b));
    w.perform(PlayerAction::choose(Control::PersBox, 2));
    w.perform(PlayerAction::select(Control::PersList, 0));
    w.perform(PlayerAction::choose(Control::BuildBox, 0));
    w.perform(PlayerAction::select(Control::BuildList, 0));
    w.perform(PlayerAction::choose(Control::ActionAdBox, 1));
    uitest::BoxAnswerer answerer;  // a strike or a month's result may come
    for (int i = 0; i < 7 * 24; ++i) w.timerTick();
    LookupCounter counter;
    QCoreApplication::installTranslator(&counter);
    QCoreApplication::processEvents();  // Qt asks its layout direction anew
    counter.lookups = 0;
    for (int i = 0; i < 24; ++i) w.timerTick();
    QCOMPARE(counter.lookups, 0);
  }

  void everyWindowSpeaksIt() {
    MainWindow& w = game_->mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.label(MainLabel::TimeLbl)->displayText(), says("Местное время", "Local time"));
    w.activateWindow();
    QVERIFY(uitest::waitActive(&w));
    QVERIFY(uitest::pressKey(Qt::Key_F2));
    Program& p = game_->program();
    QVERIFY(p.game.hasCompany());
    p.game.corp().Money = Currency::fromUnits(60000);
    w.perform(PlayerAction::speed(5));
    w.perform(PlayerAction::tick(4));  // 10:00 on Monday, 1 January
    w.perform(PlayerAction::speed(0));
    for (MainButton b : {MainButton::StorageBtn, MainButton::LotBtn, MainButton::ShopBtn,
                         MainButton::StuffBtn, MainButton::SalerBtn, MainButton::SalerBtn})
      QTest::mouseClick(w.button(b), Qt::LeftButton);
    QCOMPARE(title(&w), QStringLiteral("Kelpmark"));
    p.game.corp().Money = Currency::fromCount(123455000);
    p.mainForm.RefreshDisplay();
    w.syncFromGame();
    // English money takes a decimal point whatever the locale's numbers say.
    const QString money = w.label(MainLabel::MoneyLbl)->displayText();
    QCOMPARE(money, says("Денег:  $12345", "Money:  $12345") +
                        (english() ? QStringLiteral(".") : QLocale::system().decimalPoint()) + u'5');
    QCOMPARE(w.label(MainLabel::TimeLbl)->displayText(),
             says("01.01.2001, Понедельник. 10:00:00", "1/1/2001, Monday. 10:00:00"));
    look(&w, QStringLiteral("main"));

    // The boxes: a refusal, and a question answered No.
    uitest::BoxAnswerer answerer;
    QStringList captions, buttons;
    answerer.onBox([&](QMessageBox* box) {
      captions << title(box);
      QStringList texts;
      for (QAbstractButton* b : box->buttons()) texts << b->text();
      texts.sort();
      buttons << texts.join(u'/');
      look(box, QStringLiteral("box-%1").arg(captions.size()));
    });
    QTest::mouseClick(w.button(MainButton::AccounterBtn), Qt::LeftButton);
    QCOMPARE(answerer.texts.value(0),
             says("Офис маловат будет! Не пойдут бухгалтеры в такую дыру работать.",
                  "The office is too small! No accountant will work in a dump like that."));

    QTest::mouseClick(w.button(MainButton::WokrersBtn), Qt::LeftButton);
    PersWindow& pers = game_->persWindow();
    QVERIFY(uitest::waitActive(&pers));
    QCOMPARE(title(&pers), says("Ваш персонал", "Your Personnel"));
    QVERIFY(uitest::chooseFromDropDown(pers.findChild<QComboBox*>(), 2));
    auto* staff = pers.findChild<QListWidget*>();
    QTest::mouseClick(staff->viewport(), Qt::LeftButton, {}, staff->visualItemRect(staff->item(1)).center());
    const QString salesman = staff->item(1)->text();
    QCOMPARE(pers.findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly)->text(),
             says("Продавец ", "Salesman ") + salesman.section(u' ', 0, 0) + u' ');
    QVERIFY(uitest::waitActive(&pers));
    look(&pers, QStringLiteral("personnel"));
    QVERIFY(uitest::pressKey(Qt::Key_Escape));

    QTest::mouseClick(w.button(MainButton::BuildingsBtn), Qt::LeftButton);
    BuildWindow& build = game_->buildWindow();
    QVERIFY(uitest::waitActive(&build));
    QCOMPARE(title(&build), says("Ваши сооружения", "Your Buildings"));
    QVERIFY(uitest::chooseFromDropDown(build.findChild<QComboBox*>(), 0));
    auto* buildings = build.findChild<QListWidget*>();
    QTest::mouseClick(buildings->viewport(), Qt::LeftButton, {},
                      buildings->visualItemRect(buildings->item(0)).center());
    QCOMPARE(buildings->item(0)->text(), says("Склад N 1", "Warehouse No. 1"));
    answerer.queue(QMessageBox::No);
    QTest::mouseClick(uitest::buttonWithText(&build, says("Продать", "Sell")), Qt::LeftButton);
    QCOMPARE(answerer.texts.value(1), says("Удалить выбранную постройку?", "Remove the selected building?"));
    QCOMPARE(captions.value(1), says("Подтверждение", "Confirm"));
    QCOMPARE(buttons, says("ОК|Да/Нет", "OK|No/Yes").split(u'|'));
    QVERIFY(uitest::waitActive(&build));
    look(&build, QStringLiteral("buildings"));
    QVERIFY(uitest::pressKey(Qt::Key_Escape));

    QTest::mouseClick(w.button(MainButton::ActionsBtn), Qt::LeftButton);
    ActionWindow& actions = game_->actionWindow();
    QVERIFY(uitest::waitActive(&actions));
    QCOMPARE(title(&actions), says("Ваши действия", "Your Actions"));
    QVERIFY(uitest::chooseFromDropDown(actions.findChildren<QComboBox*>().value(0), 4));
    QVERIFY(uitest::chooseFromDropDown(actions.findChildren<QComboBox*>().value(1), 6));
    QCOMPARE(actions.findChildren<QComboBox*>().value(1)->currentText(),
             says("Перестаньте нас грабить!", "Stop robbing us!"));
    QVERIFY(uitest::waitActive(&actions));
    look(&actions, QStringLiteral("actions"));
    QVERIFY(uitest::pressKey(Qt::Key_Escape));

    ReportWindow& reports = game_->reportWindow();
    uitest::whenModalOpens([&](QWidget* m) { return m == &reports; }, [&](QWidget*) {
      QCOMPARE(title(&reports), says("Отчеты", "Reports"));
      QCOMPARE(reports.label(ReportLabel::BuildingsLbl)->displayText(),
               says("Содержание построек: $145 в сутки", "Building upkeep: $145 a day"));
      look(&reports, QStringLiteral("reports"));
      reports.close();
    });
    QTest::mouseClick(w.button(MainButton::StatsBtn), Qt::LeftButton);

    WelcomeWindow& welcome = game_->welcomeWindow();
    uitest::whenModalOpens([&](QWidget* m) { return m == &welcome; }, [&](QWidget*) {
      QCOMPARE(title(&welcome), QStringLiteral("Welcome!"));
      look(&welcome, QStringLiteral("welcome"));
      welcome.close();
    });
    QVERIFY(uitest::chooseMenuItem(&w, QStringLiteral("?"), QStringLiteral("About...")));
    QTRY_VERIFY(!welcome.isVisible());

    // Help: its own pages, its buttons and Qt's own words in its context menu.
    w.activateWindow();
    QVERIFY(uitest::waitActive(&w));
    QVERIFY(uitest::pressKey(Qt::Key_F1));
    HelpWindow& help = game_->helpWindow();
    QVERIFY(uitest::waitActive(&help));
    QCOMPARE(title(&help), says("Справка", "Help"));
    auto* browser = help.findChild<QTextBrowser*>();
    const QStringList menu = uitest::contextMenuTexts(browser->viewport(), QPoint(40, 80));
    QVERIFY2(menu.contains(says("Выделить всё", "Select All")), qPrintable(menu.join(u'|')));
    for (int topic : {0, 10, 20, 30, 40, 50, 60, 70, 100}) {
      help.showTopic(topic);
      look(&help, QStringLiteral("help-%1").arg(topic));
    }
    QVERIFY(browser->toPlainText().contains(says("Добро пожаловать", "Welcome")));
    QVERIFY(uitest::pressKey(Qt::Key_Escape));

    // «Финансы»: the morning's purchases by category, the month in the language.
    QVERIFY(uitest::waitActive(&w));
    QVERIFY(uitest::pressKey(Qt::Key_F3));
    FinanceWindow& finance = game_->financeWindow();
    QVERIFY(uitest::waitActive(&finance));
    QCOMPARE(title(&finance), says("Финансы", "Finances"));
    const QAbstractItemModel* books = finance.table()->model();
    QCOMPARE(books->headerData(0, Qt::Horizontal).toString(), says("янв 2001", "Jan 2001"));
    QStringList rows;
    for (int r = 0; r < books->rowCount(); ++r) rows << books->headerData(r, Qt::Vertical).toString().trimmed();
    QVERIFY2(rows.contains(says("Строительство", "Construction")) && rows.contains(says("Наём", "Hiring")),
             qPrintable(rows.join(u'|')));
    look(&finance, QStringLiteral("finance"));
    QVERIFY(uitest::pressKey(Qt::Key_Escape));
    QVERIFY(uitest::waitActive(&w));
    QVERIFY2(w.label(MainLabel::MoneyLbl)->toolTip().startsWith(says("<b>Сегодня:</b> Строительство −$",
                                                                     "<b>Today:</b> Construction −$")),
             qPrintable(w.label(MainLabel::MoneyLbl)->toolTip()));

    // «Рекорды» before any game has ended, then with the game lost overnight
    // (Yes to the outcome's question) highlighted.
    ResultsWindow& results = game_->resultsWindow();
    QStringList listed;
    const auto readResults = [&](const QString& name) {
      uitest::whenModalOpens([&](QWidget* m) { return m == &results; }, [&, name](QWidget*) {
        QCOMPARE(title(&results), says("Рекорды", "High Scores"));
        QTableWidget* table = results.table();
        for (int r = 0; table->isVisible() && r < table->rowCount(); ++r) {
          QStringList cells;
          for (int c = 0; c < table->columnCount(); ++c) cells << table->item(r, c)->text();
          listed << (r == results.highlightedRow() ? QStringLiteral("*") : QString()) + cells.join(u'|');
        }
        look(&results, name);
        results.close();
      });
    };
    readResults(QStringLiteral("results-empty"));
    QVERIFY(uitest::pressKey(Qt::Key_F4));
    QTRY_VERIFY(!results.isVisible());
    QVERIFY(listed.isEmpty());
    QVERIFY(!seen_.filter(says("Ни одна игра ещё не закончена", "No game has been finished yet")).isEmpty());
    readResults(QStringLiteral("results"));
    // A folder where the results file's temporary copy goes: the disk does not
    // take the result, the player is told so, and «Рекорды» still shows it.
    QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("results.tmp/kept")));
    p.game.corp().LastMonthValue = Currency::fromUnits(1000000);
    w.perform(PlayerAction::speed(5));
    const TCorporation* lost = &p.game.corp();
    for (int i = 0; i < 24 && &p.game.corp() == lost; ++i) w.timerTick();
    QTRY_COMPARE(listed.size(), 1);
    QVERIFY2(listed[0].startsWith(says("*1|Стоимость упала вдвое|02.01.2001|$", "*1|Value halved|1/2/2001|$")),
             qPrintable(listed[0]));
    QTRY_VERIFY(!results.isVisible());
    QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("results"))));
    QVERIFY2(!answerer.texts.filter(says("Не удается записать таблицу рекордов: на месте файла",
                                         "Could not save the high scores: a folder")).isEmpty(),
             qPrintable(answerer.texts.join(u'\n')));

    QStringList cyrillic = seen_.filter(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]")));
    if (english()) QVERIFY2(cyrillic.isEmpty(), qPrintable(cyrillic.join(u'\n')));
    else QVERIFY(cyrillic.size() > 50);
  }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
