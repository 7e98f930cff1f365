// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The welcome window: the title picture (its words in the game's language) and the
// maker's web address.
#include <QDialog>

#include "ui/language.h"

namespace kelpmark::ui {

class WelcomeWindow : public QDialog {
  Q_OBJECT
 public:
  explicit WelcomeWindow(QWidget* parent = nullptr, Language language = Language::Russian);

 signals:
  void webRequested();
  void helpRequested(int topic);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* picture_;
  QWidget* link_;
};

}  // namespace kelpmark::ui
