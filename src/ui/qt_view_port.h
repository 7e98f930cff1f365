// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules' way to the screen in the Qt game: real message boxes and questions,
// the modal windows, help and the web address. While any of them is open the game
// timer stands still, so the game's steps never interleave.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "commands/view_port.h"

class QMessageBox;

namespace kelpmark::ui {

extern const char* const kApplicationTitle;
extern const char* const kMakerWebAddress;

// A box's standard buttons in the game's language ("ОК", "Да", "Нет", "Отмена" in
// Russian) whatever translations the system has.
void setButtonTexts(QMessageBox& box);
// A box of the game: its buttons in the game's language, and at least as wide as a
// title bar needs to show the box's whole caption.
void prepareMessageBox(QMessageBox& box);
// The width a title bar needs for a caption: its text in the bold face window
// managers draw titles in, with a window's icon and buttons on both sides.
int captionWidth(const QString& caption);
// A message's text as the box shows it: a line feed followed by a carriage
// return (the pair some messages put between their lines) is one line break.
QString boxText(QString text);

class QtViewPort : public QObject, public ViewPort {
  Q_OBJECT
 public:
  explicit QtViewPort(QObject* parent = nullptr);

  // The main window: boxes go over it when no other window of the game is acting.
  void setParentWindow(QWidget* w) { parent_ = w; }
  void setModalHandlers(std::function<void()> reports, std::function<void()> welcome) {
    showReports_ = std::move(reports);
    showWelcome_ = std::move(welcome);
  }
  void setHelpHandler(std::function<void(int)> help) { help_ = std::move(help); }
  // Told each finished game's result.
  void setFinishedHandler(std::function<void(const GameResult&)> f) { finished_ = std::move(f); }
  // Runs before any box or modal window opens: what the game has already shown
  // must be on the screen under it.
  void setBeforeModal(std::function<void()> f) { beforeModal_ = std::move(f); }

  // The window the player is acting in while a command runs; its boxes open over it.
  class ActingWindow {
   public:
    ActingWindow(QtViewPort& port, QWidget* window) : port_(port), previous_(port.acting_) {
      port_.acting_ = window;
    }
    ~ActingWindow() { port_.acting_ = previous_; }
    ActingWindow(const ActingWindow&) = delete;
    ActingWindow& operator=(const ActingWindow&) = delete;

   private:
    QtViewPort& port_;
    QPointer<QWidget> previous_;
  };

  void message(const Text& text) override;
  void error(const Text& text) override;
  Answer question(const Text& text, QuestionKind kind, bool withCancel) override;
  void showModal(ModalWindow window) override;
  void openHelp(int topic) override;
  void openWeb() override;
  void endProgram() override;
  void gameFinished(const GameResult& result) override;

  // Runs a modal window of the front end's own (shown by `show`): the game stands
  // still while it is open, as under the game's own modal windows.
  void runModal(const std::function<void()>& show);

  // True while a message, question or modal window of the game is open.
  bool modalOpen() const { return modalDepth_ > 0; }
  bool endRequested() const { return endRequested_; }

  // The window a box opens over: an open modal window, else the window the
  // player acts in, else the main window.
  QWidget* boxOwner() const;

 signals:
  // A modal dialog opened (true) or the last one closed (false).
  void modalStateChanged(bool open);
  void programEndRequested();

 private:
  class ModalScope;
  int runBox(QMessageBox& box);

  QPointer<QWidget> parent_;
  QPointer<QWidget> acting_;
  std::function<void()> showReports_;
  std::function<void()> showWelcome_;
  std::function<void(int)> help_;
  std::function<void(const GameResult&)> finished_;
  std::function<void()> beforeModal_;
  int modalDepth_ = 0;
  bool endRequested_ = false;
};

}  // namespace kelpmark::ui
