// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts that the game's windows can show (the standard buttons, the
// context menus of text fields, scroll bars and the help page), in Russian,
// whatever language the desktop has.
#include <QTranslator>

namespace kelpmark::ui {

// The built-in table of the texts the game's windows show most.
class RussianQtStrings : public QTranslator {
  Q_OBJECT
 public:
  using QTranslator::QTranslator;
  QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                    int n = -1) const override;
  bool isEmpty() const override { return false; }
};

// For as long as it lives: Qt's own Russian translations from a folder (by
// default the one Qt was installed with), and the built-in table under them for
// a machine without them and for a text they lack.
class RussianQtTexts {
 public:
  explicit RussianQtTexts(const QString& folder = QString());
  // Whether Qt's own translations were found.
  bool qtOwnLoaded() const { return qtOwnLoaded_; }

 private:
  RussianQtStrings builtIn_;
  QTranslator qtOwn_;
  bool qtOwnLoaded_ = false;
};

}  // namespace kelpmark::ui
