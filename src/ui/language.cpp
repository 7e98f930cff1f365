// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language.h"

#include <QLocale>

namespace kelpmark::ui {

Language languageFor(const QStringList& interfaceLanguages, bool cLocale) {
  for (const QString& tag : interfaceLanguages) {
    const QLocale::Language language = QLocale(tag).language();
    if (language == QLocale::Russian) return Language::Russian;
    if (language == QLocale::English) return Language::English;
  }
  return cLocale ? Language::Russian : Language::English;
}

Language userLanguage() {
  const QLocale system = QLocale::system();
  return languageFor(system.uiLanguages(), system.language() == QLocale::C);
}

std::optional<Language> languageNamed(const QString& code) {
  if (code == QStringLiteral("ru")) return Language::Russian;
  if (code == QStringLiteral("en")) return Language::English;
  return std::nullopt;
}

QString languageCode(Language language) {
  return language == Language::English ? QStringLiteral("en") : QStringLiteral("ru");
}

FormatSettings formatFor(Language language) {
  FormatSettings f;
  if (language == Language::English) {
    f.shortDateFormat = "M/d/yyyy";
    return f;
  }
  if (QLocale::system().decimalPoint() == QStringLiteral(",")) f.decimalSeparator = ',';
  return f;
}

}  // namespace kelpmark::ui
