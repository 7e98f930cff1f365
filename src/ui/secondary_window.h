// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look and behaviour the personnel, buildings and actions windows share: a
// fixed dialog with only a close box, modeless, hidden (never destroyed) on close,
// F1 for its help topic; every action goes through the main window, so that all
// windows show its result.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "commands/player_action.h"
#include "model/text.h"

class QComboBox;
class QFrame;
class QLabel;
class QListWidget;

namespace kelpmark::widgets {
class GradientButton;
class ShadowLabel;
}  // namespace kelpmark::widgets

namespace kelpmark::ui {

class MainWindow;

class SecondaryWindow : public QDialog {
  Q_OBJECT
 public:
  SecondaryWindow(MainWindow& main, Control window, const QString& title, int width, int height,
                  int helpTopic);
  // Brings the window up to the game's state (shown or hidden included).
  virtual void syncFromGame() = 0;

 signals:
  void helpRequested(int topic);

 protected:
  // Hands the player's action to the game (through the main window, so that every
  // window shows its result).
  void perform(const PlayerAction& action);
  // A click on the button is a click on the game's control.
  void connectClick(widgets::GradientButton* button, Control control);
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void followVisibility(bool visible);
  // Enables or disables every control of the window; the window itself stays
  // enabled, so its close box and Escape always close it, and F1 opens help.
  void setControlsEnabled(bool enabled);

  // The drop-down and the list below it of the personnel and buildings windows,
  // wired to the game's controls of those names. The entry the player highlights,
  // by mouse or by keys, is the game's selection at once.
  void buildListPicker(const QStringList& items, Control box, Control list);
  // Shows the game's choice, its list's entries (as `entryText` makes each a
  // text of the window's language) and the selected entry.
  template <class List>
  void syncListPicker(int item, const List& list,
                      const std::function<Text(const std::string&)>& entryText) {
    std::vector<std::string> entries;
    for (const auto& e : list.entries()) entries.push_back(e.text);
    setComboIndex(box_, item);
    setListEntries(entries, list.selected(), entryText);
  }

  QComboBox* comboBox(QWidget* parent, int x, int y, int w, const QStringList& items);
  QListWidget* listBox(QWidget* parent, int x, int y, int w, int h);
  widgets::ShadowLabel* label(QWidget* parent, int x, int y, int w, int h, const QString& text);
  widgets::GradientButton* button(QWidget* parent, const QString& caption, int x, int y, int w,
                                  bool olive = false);
  QFrame* cardPanel(int x, int y, int w, int h);
  QLabel* headerPanel(int x, int y, int w, int h);
  // A status bar of sunken panels at least as wide as given; a panel grows to
  // show its whole text, and the last one takes the rest of the bar.
  std::vector<widgets::ShadowLabel*> statusBar(int y, int width, std::initializer_list<int> panels);
  static void setComboIndex(QComboBox* box, int index);
  // Fills the list anew only when its entries changed.
  void setListEntries(const std::vector<std::string>& entries, int selected,
                      const std::function<Text(const std::string&)>& entryText);

  MainWindow& main_;
  Control window_;
  int helpTopic_;
  QComboBox* box_ = nullptr;
  QListWidget* list_ = nullptr;
  // The entries the list shows, as the game keeps them.
  std::vector<std::string> listEntries_;
  // The list's highlighted row when the mouse was pressed on it.
  int rowAtPress_ = -1;
};

}  // namespace kelpmark::ui
