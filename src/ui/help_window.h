// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's own help viewer: one page per topic number, built into the program.
// It opens above whatever window of the game is active, modal windows included,
// and gives that window back when it closes.
#include <QDialog>
#include <QPointer>

#include "ui/language.h"

class QTextBrowser;

namespace kelpmark::ui {

class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  // home: the window help belongs to while no modal window is open; the pages are
  // those of the language.
  HelpWindow(QWidget* home, Language language);
  // Shows the page of a topic (10 main window, 20 buildings, 30 personnel,
  // 40 reports, 50 actions, 100 welcome); an unknown topic shows the contents.
  void showTopic(int topic);
  QString currentPage() const;

 protected:
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // The pages' colours, chosen for the theme's page background.
  void applyPageColours();
  void placeBeside(const QWidget* window);

  QPointer<QWidget> home_;
  QPointer<QWidget> returnTo_;
  QTextBrowser* browser_;
  // Where the language's pages are (":/help/" or ":/help/en/").
  QString folder_;
};

}  // namespace kelpmark::ui
