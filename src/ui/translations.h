// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's texts and Qt's own (standard buttons, context menus) in one language,
// installed in the application for as long as the object lives, and the numbers
// Qt writes (the charts' scales) as the language writes them: English with a
// decimal point, Russian as the system's locale does. The windows are made while it
// lives and show its language.
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "ui/language.h"

namespace kelpmark::ui {

class RussianQtTexts;

class Translations {
 public:
  explicit Translations(Language language);
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

 private:
  Language previous_;
  QLocale previousLocale_;
  // Russian: Qt's own texts in Russian. The game's own texts are written in it.
  std::unique_ptr<RussianQtTexts> russian_;
  // English: the game's catalogue (Qt speaks English by itself).
  QTranslator game_;
};

// The language of the translations installed last (Russian when none are).
Language installedLanguage();

}  // namespace kelpmark::ui
