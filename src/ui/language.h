// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The languages the game speaks and how one is chosen: Russian, its own, and
// English. The player's interface languages choose, in their order; the command
// line can say otherwise.
#include <QString>
#include <QStringList>
#include <optional>

#include "engine/game.h"

namespace kelpmark::ui {

enum class Language { Russian, English };

// The first of the interface languages (as QLocale lists them, "de-DE", "ru") that
// the game has; none: English, but Russian under the C or POSIX locale (`cLocale`).
Language languageFor(const QStringList& interfaceLanguages, bool cLocale);
// The language for this user: from LANGUAGE, LC_ALL, LC_MESSAGES and LANG as Qt
// reads them.
Language userLanguage();
// A language by its code ("ru", "en"); nothing for a code the game lacks.
std::optional<Language> languageNamed(const QString& code);
QString languageCode(Language language);

// How the language writes numbers, dates and times (the currency stays dollars):
// Russian as it always did (the system's decimal separator, 31.12.2001), English
// with a decimal point and month first (12/31/2001).
FormatSettings formatFor(Language language);

}  // namespace kelpmark::ui
