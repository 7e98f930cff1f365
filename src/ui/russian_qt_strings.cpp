// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/russian_qt_strings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <cstring>

namespace kelpmark::ui {

namespace {

struct Text {
  const char* source;
  const char* russian;
};

// The same words serve the context menus of line edits, spin boxes and text views.
const Text kTexts[] = {
    {"OK", "ОК"},
    {"&Yes", "&Да"},
    {"&No", "&Нет"},
    {"Cancel", "Отмена"},
    {"Close", "Закрыть"},
    {"&Undo", "&Отменить"},
    {"&Redo", "&Повторить"},
    {"Cu&t", "&Вырезать"},
    {"&Copy", "&Копировать"},
    {"Copy &Link Location", "Копировать &адрес ссылки"},
    {"&Paste", "В&ставить"},
    {"Delete", "Удалить"},
    {"Select All", "Выделить всё"},
    {"&Select All", "&Выделить всё"},
    {"&Step up", "&Увеличить"},
    {"Step &down", "&Уменьшить"},
};

const char* const kContexts[] = {"QPlatformTheme", "QDialogButtonBox", "QMessageBox", "QLineEdit",
                                 "QWidgetTextControl", "QAbstractSpinBox"};

}  // namespace

QString RussianQtStrings::translate(const char* context, const char* sourceText, const char*,
                                    int) const {
  if (context == nullptr || sourceText == nullptr) return {};
  bool known = false;
  for (const char* c : kContexts) known = known || std::strcmp(c, context) == 0;
  if (!known) return {};
  for (const Text& t : kTexts)
    if (std::strcmp(t.source, sourceText) == 0) return QString::fromUtf8(t.russian);
  return {};
}

RussianQtTexts::RussianQtTexts(const QString& folder) {
  // The translator installed last is asked first.
  QCoreApplication::installTranslator(&builtIn_);
  const QString from = folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
  qtOwnLoaded_ = qtOwn_.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"), from);
  if (qtOwnLoaded_) QCoreApplication::installTranslator(&qtOwn_);
}

}  // namespace kelpmark::ui
