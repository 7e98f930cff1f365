#include "ui/qt_view_port.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace kelpmark::ui {

const char* const kApplicationTitle = "Vorlent Kelpmark";
const char* const kMakerWebAddress = "https://kelpmark.example.org/";

class QtViewPort::ModalScope {
 public:
  explicit ModalScope(QtViewPort& port) : port_(port) {
    if (port_.modalDepth_++ == 0) emit port_.modalStateChanged(true);
  }
  ~ModalScope() {
    if (--port_.modalDepth_ == 0) emit port_.modalStateChanged(false);
  }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  QtViewPort& port_;
};

QtViewPort::QtViewPort(QObject* parent) : QObject(parent) {}

void QtViewPort::message(const std::string& text) {
  ModalScope scope(*this);
  QMessageBox box(QMessageBox::Information, QString::fromUtf8(kApplicationTitle),
                  QString::fromStdString(text), QMessageBox::Ok, parent_);
  box.exec();
}

void QtViewPort::error(const std::string& text) {
  ModalScope scope(*this);
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle),
                  QString::fromStdString(text), QMessageBox::Ok, parent_);
  box.exec();
}

Answer QtViewPort::question(const std::string& text, QuestionKind kind, bool withCancel) {
  ModalScope scope(*this);
  QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
  if (withCancel) buttons |= QMessageBox::Cancel;
  const bool warning = kind == QuestionKind::Warning;
  QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Question,
                  warning ? QStringLiteral("Внимание") : QStringLiteral("Подтверждение"),
                  QString::fromStdString(text), buttons, parent_);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(withCancel ? QMessageBox::Cancel : QMessageBox::No);
  const int result = box.exec();
  if (result == QMessageBox::Yes) return Answer::Yes;
  if (result == QMessageBox::Cancel) return Answer::Cancel;
  return Answer::No;
}

void QtViewPort::showModal(ModalWindow window) {
  ModalScope scope(*this);
  if (window == ModalWindow::ReportForm) {
    if (showReports_) showReports_();
  } else if (showWelcome_) {
    showWelcome_();
  }
}

void QtViewPort::openHelp(int topic) {
  if (help_) help_(topic);
}

void QtViewPort::openWeb() {
  // A browser that fails to start is of no consequence to the game.
  QDesktopServices::openUrl(QUrl(QString::fromUtf8(kMakerWebAddress)));
}

void QtViewPort::endProgram() {
  if (endRequested_) return;
  endRequested_ = true;
  emit programEndRequested();
}

}  // namespace kelpmark::ui
