// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts that the game's windows can show (the standard buttons, the
// context menus of text fields and of the help page), in Russian, whatever
// translations the system has installed.
#include <QTranslator>

namespace kelpmark::ui {

class RussianQtStrings : public QTranslator {
  Q_OBJECT
 public:
  using QTranslator::QTranslator;
  QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                    int n = -1) const override;
  bool isEmpty() const override { return false; }
};

}  // namespace kelpmark::ui
