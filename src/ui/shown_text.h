// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The core's texts as the windows show them: in the language of the installed
// translations (Translations), each marked part looked up in the game's catalogue,
// staff names in the language's letters.
#include <QString>
#include <string>

#include "commands/controls.h"
#include "model/text.h"

namespace kelpmark::ui {

QString shown(const Text& text);
QString shown(const Marked& marked);
// A label's text: its format in the language, with the caption put in.
QString shown(const FormattedLabel& label);

// The language's catalogue as the core's texts use it; its lookups are kept, so a
// text is translated once.
const TextLanguage& shownLanguage();
// Forgets the lookups kept (the installed translations changed).
void forgetShownTexts();

// A label that shows a text of the core: the text is translated only when it
// differs from the last one shown.
class ShownText {
 public:
  const QString& operator()(const Text& text);

 private:
  Text last_;
  QString shown_;
  bool valid_ = false;
};

// The same for a label drawn through a format: the format is translated once.
class ShownLabel {
 public:
  QString operator()(const FormattedLabel& label);

 private:
  const char* source_ = nullptr;
  std::string format_;
};

}  // namespace kelpmark::ui
