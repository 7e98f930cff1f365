// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_view_port.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <algorithm>

#include "ui/shown_text.h"

namespace kelpmark::ui {

const char* const kApplicationTitle = "Vorlent Kelpmark";
const char* const kMakerWebAddress = "https://kelpmark.example.org/";

void setButtonTexts(QMessageBox& box) {
  const struct {
    QMessageBox::StandardButton button;
    const char* text;
  } texts[] = {{QMessageBox::Ok, QT_TRANSLATE_NOOP("kelpmark::ui::QtViewPort", "ОК")},
               {QMessageBox::Yes, QT_TRANSLATE_NOOP("kelpmark::ui::QtViewPort", "Да")},
               {QMessageBox::No, QT_TRANSLATE_NOOP("kelpmark::ui::QtViewPort", "Нет")},
               {QMessageBox::Cancel, QT_TRANSLATE_NOOP("kelpmark::ui::QtViewPort", "Отмена")}};
  for (const auto& t : texts)
    if (QAbstractButton* b = box.button(t.button)) b->setText(QtViewPort::tr(t.text));
}

int captionWidth(const QString& caption) {
  QFont bold = QApplication::font();
  bold.setBold(true);
  const QFontMetrics fm(bold);
  // Title bars centre the caption: on both sides room for an icon or three
  // buttons, each a line high with its spacing, and a margin.
  return fm.horizontalAdvance(caption) + 10 * fm.height();
}

void prepareMessageBox(QMessageBox& box) {
  setButtonTexts(box);
  // The box takes its width from its layout each time it is shown, whatever
  // minimum it is given: a spacer across the layout holds it open.
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  const QMargins margins = grid->contentsMargins();
  int width = captionWidth(box.windowTitle()) - margins.left() - margins.right();
  // The lines of a text that breaks its own lines stay whole where the screen
  // has room (the box would wrap them at half the screen's width).
  auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  if (text != nullptr && text->text().contains(u'\n')) {
    const bool wrap = text->wordWrap();
    text->setWordWrap(false);
    grid->invalidate();
    const int lines = grid->totalMinimumSize().width() - margins.left() - margins.right();
    text->setWordWrap(wrap);
    grid->invalidate();
    const QScreen* screen = box.screen();
    const int room = screen != nullptr ? screen->availableGeometry().width() * 3 / 4 : lines;
    width = std::max(width, std::min(lines, room));
  }
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                grid->rowCount(), 0, 1, grid->columnCount());
}

QString boxText(QString text) { return text.replace(QStringLiteral("\n\r"), QStringLiteral("\n")); }

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
  prepareMessageBox(box);
  return box.exec();
}

void QtViewPort::message(const Text& text) {
  ModalScope scope(*this);
  QMessageBox box(QMessageBox::Information, QString::fromUtf8(kApplicationTitle),
                  boxText(shown(text)), QMessageBox::Ok, boxOwner());
  runBox(box);
}

void QtViewPort::error(const Text& text) {
  ModalScope scope(*this);
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle),
                  boxText(shown(text)), QMessageBox::Ok, boxOwner());
  runBox(box);
}

Answer QtViewPort::question(const Text& text, QuestionKind kind, bool withCancel) {
  ModalScope scope(*this);
  QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
  if (withCancel) buttons |= QMessageBox::Cancel;
  const bool warning = kind == QuestionKind::Warning;
  QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Question,
                  warning ? tr("Внимание") : tr("Подтверждение"), boxText(shown(text)), buttons,
                  boxOwner());
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

void QtViewPort::gameFinished(const GameResult& result) {
  if (finished_) finished_(result);
}

void QtViewPort::runModal(const std::function<void()>& show) {
  ModalScope scope(*this);
  show();
}

void QtViewPort::endProgram() {
  if (endRequested_) return;
  endRequested_ = true;
  emit programEndRequested();
}

}  // namespace kelpmark::ui
