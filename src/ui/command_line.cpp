// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

namespace kelpmark::ui {

namespace {

void print(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
  std::fflush(stream);
}

// Options that QApplication takes for itself (with or without a value).
bool isQtOption(const QString& name) {
  static const QStringList names = {
      QStringLiteral("platform"),   QStringLiteral("platformpluginpath"),
      QStringLiteral("platformtheme"), QStringLiteral("plugin"),
      QStringLiteral("qwindowgeometry"), QStringLiteral("geometry"),
      QStringLiteral("qwindowtitle"), QStringLiteral("title"),
      QStringLiteral("qwindowicon"), QStringLiteral("icon"),
      QStringLiteral("display"),    QStringLiteral("name"),
      QStringLiteral("style"),      QStringLiteral("stylesheet"),
      QStringLiteral("session"),    QStringLiteral("reverse"),
      QStringLiteral("widgetcount"), QStringLiteral("dialogs"),
      QStringLiteral("nograb"),     QStringLiteral("dograb"),
      QStringLiteral("sync"),       QStringLiteral("qmljsdebugger")};
  return names.contains(name);
}

}  // namespace

void identifyApplication() {
  QCoreApplication::setApplicationName(QStringLiteral("kelpmark"));
  QCoreApplication::setOrganizationName(QStringLiteral("Vorlent"));
  QCoreApplication::setApplicationVersion(QStringLiteral(KELPMARK_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.vorlent.Kelpmark"));
}

QStringList argumentList(int argc, char** argv) {
  QStringList list;
  for (int i = 0; i < argc; ++i) list << QString::fromLocal8Bit(argv[i]);
  return list;
}

CommandLine readCommandLine(const QStringList& arguments, bool qtOptionsRemoved) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Kelpmark: run a fish-trading company through the year 2001.\n"
                     "The game speaks Russian and English: the first of your interface\n"
                     "languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that it has, else\n"
                     "English (Russian under the C locale); see kelpmark(6)."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Print this summary and exit."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Print the version and exit."));
  const QCommandLineOption record(
      QStringLiteral("record"),
      QStringLiteral("Record the game as a kelpmark-sim script in <file>, which plays it "
                     "again to the same state."),
      QStringLiteral("file"));
  const QCommandLineOption language(
      QStringLiteral("language"),
      QStringLiteral("Play in <language>: ru (Russian) or en (English), whatever the "
                     "interface languages say."),
      QStringLiteral("language"));
  parser.addOption(help);
  parser.addOption(version);
  parser.addOption(record);
  parser.addOption(language);
  // "-platform" is one word, as Qt reads it, not seven letters.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

  CommandLine result;
  const bool parsed = parser.parse(arguments);
  QString why = parser.errorText();
  if (!parsed && !qtOptionsRemoved) {
    // Qt's own options and their values are read by the application object;
    // anything else is refused at once, before a display is needed.
    QStringList foreign = parser.unknownOptionNames();
    foreign.removeIf(isQtOption);
    if (foreign.isEmpty()) return result;
    why = QStringLiteral("Unknown option '%1'.").arg(foreign.constFirst());
  }
  bool refused = !parsed;
  if (parsed && !parser.positionalArguments().isEmpty()) {
    why = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    refused = true;
  } else if (parsed && parser.isSet(language) && !languageNamed(parser.value(language))) {
    why = QStringLiteral("Unknown language '%1': ru or en.").arg(parser.value(language));
    refused = true;
  }
  if (refused) {
    print(stderr, QStringLiteral("%1: %2\nTry '%1 --help'.\n")
                      .arg(QCoreApplication::applicationName(), why));
    result.exitStatus = 2;
  } else if (parser.isSet(help)) {
    // The usage line names the program as it is called, without its directory.
    QString text = parser.helpText();
    const QString program = arguments.isEmpty() ? QCoreApplication::applicationName()
                                                : QFileInfo(arguments.constFirst()).fileName();
    text.replace(0, text.indexOf(QLatin1Char('\n')),
                 QStringLiteral("Usage: %1 [options]").arg(program));
    print(stdout, text);
    result.exitStatus = 0;
  } else if (parser.isSet(version)) {
    print(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                QCoreApplication::applicationVersion()));
    result.exitStatus = 0;
  } else {
    if (parser.isSet(record)) result.recordPath = parser.value(record);
    if (parser.isSet(language)) result.language = languageNamed(parser.value(language));
  }
  return result;
}

}  // namespace kelpmark::ui
