// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_view_port.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace kelpmark::ui {

const char* const kApplicationTitle = "Vorlent Kelpmark";
const char* const kMakerWebAddress = "https://kelpmark.example.org/";

void setRussianButtonTexts(QMessageBox& box) {
  const struct {
    QMessageBox::StandardButton button;
    const char* text;
  } texts[] = {{QMessageBox::Ok, "ОК"},
               {QMessageBox::Yes, "Да"},
               {QMessageBox::No, "Нет"},
               {QMessageBox::Cancel, "Отмена"}};
  for (const auto& t : texts)
    if (QAbstractButton* b = box.button(t.button)) b->setText(QString::fromUtf8(t.text));
}

class QtViewPort::ModalScope {
 public:
  explicit ModalScope(QtViewPort& port) : port_(port), previous_(QApplication::activeWindow()) {
    if (port_.modalDepth_++ == 0) emit port_.modalStateChanged(true);
    if (port_.beforeModal_) port_.beforeModal_();
  }
  ~ModalScope() {
    if (--port_.modalDepth_ == 0) emit port_.modalStateChanged(false);
    // The keyboard goes back to the window the player was in (a desktop without
    // a window manager would leave it nowhere).
    if (previous_ && previous_->isVisible() && QApplication::activeWindow() != previous_)
      previous_->activateWindow();
  }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  QtViewPort& port_;
  QPointer<QWidget> previous_;
};

QtViewPort::QtViewPort(QObject* parent) : QObject(parent) {}

QWidget* QtViewPort::boxOwner() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (acting_ && acting_->isVisible()) return acting_;
  return parent_;
}

int QtViewPort::runBox(QMessageBox& box) {
  setRussianButtonTexts(box);
  return box.exec();
}

void QtViewPort::message(const std::string& text) {
  ModalScope scope(*this);
  QMessageBox box(QMessageBox::Information, QString::fromUtf8(kApplicationTitle),
                  QString::fromStdString(text), QMessageBox::Ok, boxOwner());
  runBox(box);
}

void QtViewPort::error(const std::string& text) {
  ModalScope scope(*this);
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle),
                  QString::fromStdString(text), QMessageBox::Ok, boxOwner());
  runBox(box);
}

Answer QtViewPort::question(const std::string& text, QuestionKind kind, bool withCancel) {
  ModalScope scope(*this);
  QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
  if (withCancel) buttons |= QMessageBox::Cancel;
  const bool warning = kind == QuestionKind::Warning;
  QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Question,
                  warning ? QStringLiteral("Внимание") : QStringLiteral("Подтверждение"),
                  QString::fromStdString(text), buttons, boxOwner());
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(withCancel ? QMessageBox::Cancel : QMessageBox::No);
  const int result = runBox(box);
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
