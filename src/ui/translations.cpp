// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/translations.h"

#include <QCoreApplication>

#include "ui/russian_qt_strings.h"
#include "ui/shown_text.h"

// The catalogues compiled into the static ui library are registered by hand.
static void initKelpmarkTranslations() { Q_INIT_RESOURCE(kelpmark_ui_translations); }

namespace kelpmark::ui {

namespace {

Language& current() {
  static Language language = Language::Russian;
  return language;
}

}  // namespace

Translations::Translations(Language language) : previous_(current()), previousLocale_(QLocale()) {
  initKelpmarkTranslations();
  if (language == Language::Russian) {
    russian_ = std::make_unique<RussianQtTexts>();
  } else {
    if (game_.load(QStringLiteral(":/i18n/kelpmark_") + languageCode(language)))
      QCoreApplication::installTranslator(&game_);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  }
  current() = language;
  forgetShownTexts();
}

Translations::~Translations() {
  QLocale::setDefault(previousLocale_);
  current() = previous_;
  forgetShownTexts();
}

Language installedLanguage() { return current(); }

}  // namespace kelpmark::ui
