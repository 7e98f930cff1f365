#pragma once
// Helpers for driving the game's windows in Qt Test: answering the modal boxes
// the game opens, and writing screenshots.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace kelpmark::uitest {

// Watches for modal message boxes and answers each with the next queued button
// (Yes when the queue is empty), recording their texts.
class BoxAnswerer : public QObject {
 public:
  explicit BoxAnswerer(QObject* parent = nullptr) : QObject(parent) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start();
  }
  void queue(QMessageBox::StandardButton b) { answers_.push_back(b); }
  // Keeps each box open this long before answering (to test what happens meanwhile).
  void setHoldMs(int ms) { holdMs_ = ms; }
  // Called with each box while it is open, before it is answered.
  void onBox(std::function<void(QMessageBox*)> f) { onBox_ = std::move(f); }
  QStringList texts;

 private:
  void poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
      seen_ = nullptr;
      return;
    }
    if (box != seen_) {
      seen_ = box;
      openedAt_ = 0;
      texts << box->text();
      if (onBox_) onBox_(box);
    }
    openedAt_ += timer_.interval();
    if (openedAt_ < holdMs_) return;
    QMessageBox::StandardButton want = QMessageBox::Yes;
    if (!answers_.isEmpty()) want = answers_.takeFirst();
    QAbstractButton* button = box->button(want);
    if (button == nullptr) button = box->button(QMessageBox::Ok);
    if (button == nullptr) button = box->buttons().value(0);
    seen_ = nullptr;
    if (button != nullptr) button->click();
  }
  QTimer timer_;
  QList<QMessageBox::StandardButton> answers_;
  QWidget* seen_ = nullptr;
  int openedAt_ = 0;
  int holdMs_ = 0;
  std::function<void(QMessageBox*)> onBox_;
};

inline QString screenshotDir() {
  QString dir = qEnvironmentVariable("KELPMARK_SCREENSHOT_DIR");
  if (dir.isEmpty()) dir = QDir::tempPath() + QStringLiteral("/kelpmark-screenshots");
  QDir().mkpath(dir);
  return dir;
}

inline bool saveScreenshot(QWidget* w, const QString& name) {
  return w->grab().save(screenshotDir() + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace kelpmark::uitest
