#pragma once
// Helpers for driving the game's windows in Qt Test: answering the modal boxes
// the game opens, and writing screenshots.
#include <QAbstractButton>
#include <QAccessible>
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

// Walks the accessibility tree below a window as a screen reader does and
// returns the widgets it reaches. `faults` gets every text, gauge, chart,
// indicator or button without a name, and every widget of the game's own
// classes without a name and (buttons aside) a value; Qt's labels carry their
// text as the name.
inline QList<QWidget*> walkAccessibleTree(QWidget* window, QStringList& faults) {
  QList<QWidget*> reached;
  std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
    if (node == nullptr) return;
    auto* widget = qobject_cast<QWidget*>(node->object());
    if (widget != nullptr) reached << widget;
    const QAccessible::Role role = node->role();
    const QString name = node->text(QAccessible::Name);
    const QString value = node->text(QAccessible::Value);
    // List entries and the like are no objects of their own.
    const char* className = node->object() ? node->object()->metaObject()->className() : "";
    const bool ours = QByteArray(className).startsWith("kelpmark::") && widget != nullptr &&
                      !widget->isWindow();
    const bool display = role == QAccessible::StaticText || role == QAccessible::ProgressBar ||
                         role == QAccessible::Chart || role == QAccessible::Indicator;
    if ((display || ours || role == QAccessible::Button) &&
        (name.isEmpty() || (ours && role != QAccessible::Button && value.isEmpty())))
      faults << QStringLiteral("%1 at %2,%3 (role %4): name '%5', value '%6'")
                    .arg(QString::fromLatin1(className))
                    .arg(node->rect().x())
                    .arg(node->rect().y())
                    .arg(role)
                    .arg(name, value);
    for (int i = 0; i < node->childCount(); ++i) walk(node->child(i));
  };
  walk(QAccessible::queryAccessibleInterface(window));
  return reached;
}

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
