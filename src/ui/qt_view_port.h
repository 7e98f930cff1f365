#pragma once
// The rules' way to the screen in the Qt game: real message boxes and questions,
// the modal windows, help and the web address. While any of them is open the game
// timer stands still, so the game's steps never interleave.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "model/view_port.h"


namespace kelpmark::ui {

extern const char* const kApplicationTitle;
extern const char* const kMakerWebAddress;

class QtViewPort : public QObject, public ViewPort {
  Q_OBJECT
 public:
  explicit QtViewPort(QObject* parent = nullptr);

  // The window message boxes are centred on; the handlers of the modal windows.
  void setParentWindow(QWidget* w) { parent_ = w; }
  void setModalHandlers(std::function<void()> reports, std::function<void()> welcome) {
    showReports_ = std::move(reports);
    showWelcome_ = std::move(welcome);
  }
  void setHelpHandler(std::function<void(int)> help) { help_ = std::move(help); }

  void message(const std::string& text) override;
  void error(const std::string& text) override;
  Answer question(const std::string& text, QuestionKind kind, bool withCancel) override;
  void showModal(ModalWindow window) override;
  void openHelp(int topic) override;
  void openWeb() override;
  void endProgram() override;

  // True while a message, question or modal window of the game is open.
  bool modalOpen() const { return modalDepth_ > 0; }
  bool endRequested() const { return endRequested_; }

 signals:
  // A modal dialog opened (true) or the last one closed (false).
  void modalStateChanged(bool open);
  void programEndRequested();

 private:
  class ModalScope;
  QPointer<QWidget> parent_;
  std::function<void()> showReports_;
  std::function<void()> showWelcome_;
  std::function<void(int)> help_;
  int modalDepth_ = 0;
  bool endRequested_ = false;
};

}  // namespace kelpmark::ui
