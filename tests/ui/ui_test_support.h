// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for driving the game's windows in Qt Test: answering the modal boxes
// the game opens, and writing screenshots.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTableView>
#include <QHeaderView>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <functional>

#include "ui/fitting_combo_box.h"
#include "widgets/gradient_button.h"
#include "widgets/shadow_label.h"

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
    if (button != nullptr) QTest::mouseClick(button, Qt::LeftButton);
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
// classes without a name and (buttons and drop-downs aside) a value; Qt's labels
// carry their text as the name.
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
    // A drop-down with nothing chosen has no value.
    const bool valued = ours && role != QAccessible::Button && role != QAccessible::ComboBox;
    if ((display || ours || role == QAccessible::Button) && (name.isEmpty() || (valued && value.isEmpty())))
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

// Runs act once with the first modal window that match accepts, from inside the
// nested event loop that window runs (as a player acts on an open window).
inline void whenModalOpens(std::function<bool(QWidget*)> match, std::function<void(QWidget*)> act) {
  auto* poll = new QTimer;
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [poll, match, act] {
    QWidget* w = QApplication::activeModalWidget();
    if (w == nullptr || !w->isVisible() || !match(w)) return;
    poll->stop();
    poll->deleteLater();
    act(w);
    // A failed check leaves no window open for the test to hang on.
    if (QTest::currentTestFailed() && w->isVisible()) w->close();
  });
  poll->start();
}

// Waits until a window has the keyboard (a window's own isActive() also holds
// while only its transient parent is active).
inline bool waitActive(QWidget* w, int timeoutMs = 5000) {
  return QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }, timeoutMs);
}

// A key press as the player makes it: to the widget that has the keyboard focus.
// (A window with nothing in it that takes the focus gets the key itself.)
inline bool pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* target = QApplication::focusWidget();
  if (target == nullptr) target = QApplication::activeWindow();
  if (target == nullptr) return false;
  QTest::keyClick(target, key, modifiers);
  return true;
}

// Opens a menu of the menu bar and chooses an item, with the mouse. An item that
// opens a modal window returns when that window has closed.
inline bool chooseMenuItem(QMainWindow* w, const QString& menuTitle, const QString& itemText) {
  const auto plain = [](QString t) { return t.remove(u'&'); };
  QMenuBar* bar = w->menuBar();
  for (QAction* m : bar->actions()) {
    if (plain(m->text()) != menuTitle || m->menu() == nullptr) continue;
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(m).center());
    QMenu* menu = m->menu();
    if (!QTest::qWaitForWindowExposed(menu)) return false;
    for (QAction* item : menu->actions()) {
      if (plain(item->text()) != itemText) continue;
      QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(item).center());
      return true;
    }
  }
  return false;
}

// The button of a window whose caption is text.
inline QAbstractButton* buttonWithText(QWidget* window, const QString& text) {
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
    if (b->text() == text && b->isVisible()) return b;
  return nullptr;
}

// Chooses an item of a drop-down list with the mouse: a click opens the list, a
// click on the item chooses it. The drop-down keeps the keyboard focus.
inline bool chooseFromDropDown(QComboBox* box, int item) {
  QTest::mouseClick(box, Qt::LeftButton);
  QAbstractItemView* view = box->view();
  if (!QTest::qWaitFor([view] { return view->isVisible(); }, 3000)) return false;
  // A release soon after the click that opened the list counts as that click's.
  QTest::qWait(QApplication::doubleClickInterval() + 50);
  const QRect r = view->visualRect(view->model()->index(item, box->modelColumn()));
  QTest::mouseMove(view->viewport(), r.center());
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
  return QTest::qWaitFor([view] { return !view->isVisible(); }, 3000) && box->currentIndex() == item;
}

// The items of the context menu a right click at pos opens (the menu is closed again).
inline QStringList contextMenuTexts(QWidget* target, QPoint pos) {
  QStringList texts;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    poll.stop();
    for (QAction* a : menu->actions())
      if (!a->isSeparator()) texts << a->text().section(u'\t', 0, 0).remove(u'&');
    menu->close();
  });
  poll.start();
  // Through the window, as the window system delivers a click: only that way does
  // a right click become a context menu request.
  QTest::mouseClick(target->window()->windowHandle(), Qt::RightButton, Qt::NoModifier,
                    target->mapTo(target->window(), pos));
  if (!QTest::qWaitFor([&] { return !texts.isEmpty(); }, 3000)) return {};
  return texts;
}

// Clicks, with the mouse, the first link of a text browser's page that leads to href.
inline bool clickLink(QTextBrowser* browser, const QString& href) {
  QTextDocument* doc = browser->document();
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      if (!f.charFormat().isAnchor() || f.charFormat().anchorHref() != href) continue;
      QTextCursor cursor(doc);
      cursor.setPosition(f.position() + f.length() / 2);
      browser->setTextCursor(cursor);
      browser->ensureCursorVisible();
      const QRect r = browser->cursorRect(cursor);
      QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
      return true;
    }
  }
  return false;
}

// The texts of a window's labels that do not fit their label: one-line labels
// narrower than their text, wrapped labels shorter than their lines; the captions
// of its own buttons (placed by hand) wider than the button; and the entries of
// its drop-downs that their closed box would cut off; the cells of its tables
// narrower than their figures (which Qt would shorten with "…").
inline QStringList clippedTexts(QWidget* window) {
  QStringList clipped;
  for (auto* l : window->findChildren<widgets::ShadowLabel*>()) {
    if (!l->isVisibleTo(window) || l->displayText().isEmpty()) continue;
    // A label that draws a long text narrower still counts as readable down to 80%.
    const int need = QFontMetrics(l->drawFont()).horizontalAdvance(l->displayText()) + 1;
    const bool fits = l->wordWrap() ? l->heightForWidth(l->width()) <= l->height()
                                    : need <= l->width() && l->fittedStretch() >= 80;
    if (!fits) clipped << QStringLiteral("%1 (%2 > %3)").arg(l->displayText()).arg(need).arg(l->width());
  }
  for (auto* l : window->findChildren<QLabel*>())
    if (l->isVisibleTo(window) && !l->text().isEmpty() && l->sizeHint().width() > l->width())
      clipped << QStringLiteral("%1 (%2 > %3)").arg(l->text()).arg(l->sizeHint().width()).arg(l->width());
  for (auto* b : window->findChildren<widgets::GradientButton*>())
    if (b->isVisibleTo(window) && b->minimumSizeHint().width() > b->width())
      clipped << QStringLiteral("%1 (%2 > %3)").arg(b->text()).arg(b->minimumSizeHint().width()).arg(b->width());
  for (auto* g : window->findChildren<QGroupBox*>()) {
    if (!g->isVisibleTo(window) || g->title().isEmpty()) continue;
    // Where the box's style (its style sheet included) puts the title.
    QStyleOptionGroupBox option;
    option.initFrom(g);
    option.text = g->title();
    option.textAlignment = g->alignment();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect title = g->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, g);
    const int need = QFontMetrics(g->font()).horizontalAdvance(g->title().trimmed());
    if (title.right() >= g->width() || title.width() < need)
      clipped << QStringLiteral("%1 (%2 at %3 in %4)").arg(g->title()).arg(need).arg(title.x()).arg(g->width());
  }
  // Every entry of a drop-down, as its closed box would show it.
  for (auto* box : window->findChildren<QComboBox*>()) {
    if (!box->isVisibleTo(window)) continue;
    QStyleOptionComboBox option;
    option.initFrom(box);
    const int room =
        box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width();
    auto* fitting = qobject_cast<ui::FittingComboBox*>(box);
    for (int i = 0; i < box->count(); ++i) {
      const QString text = box->itemText(i);
      const QFont font = fitting != nullptr ? fitting->drawFont(text) : box->font();
      const int need = QFontMetrics(font).horizontalAdvance(text);
      if (need > room || (font.stretch() != 0 && font.stretch() < 80))
        clipped << QStringLiteral("%1 (%2 > %3 at %4%)").arg(text).arg(need).arg(room).arg(font.stretch());
    }
  }
  for (auto* table : window->findChildren<QTableView*>()) {
    if (!table->isVisibleTo(window)) continue;
    // The item delegate keeps this much room on each side of a cell's text.
    const int margin = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
    const QAbstractItemModel* model = table->model();
    for (int r = 0; r < model->rowCount(); ++r) {
      for (int c = 0; c < model->columnCount(); ++c) {
        const QModelIndex i = model->index(r, c);
        const QString text = i.data().toString();
        const QVariant font = i.data(Qt::FontRole);
        const int need =
            QFontMetrics(font.isValid() ? font.value<QFont>() : table->font()).horizontalAdvance(text) + margin;
        if (!text.isEmpty() && need > table->columnWidth(c))
          clipped << QStringLiteral("%1 (%2 > %3)").arg(text).arg(need).arg(table->columnWidth(c));
      }
    }
  }
  return clipped;
}

// Every text a player can read in a window: its title, labels, buttons, group
// titles, drop-down, list and table entries, menus, pages, tooltips, and what a screen
// reader reads of each widget.
inline QStringList readableTexts(QWidget* window) {
  QStringList texts{window->windowTitle()};
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets.prepend(window);
  for (QWidget* w : widgets) {
    texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
    if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w))
      texts << a->text(QAccessible::Name) << a->text(QAccessible::Value)
            << a->text(QAccessible::Description);
    if (auto* l = qobject_cast<widgets::ShadowLabel*>(w)) texts << l->displayText();
    if (auto* l = qobject_cast<QLabel*>(w)) texts << l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) texts << b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) texts << g->title();
    if (auto* c = qobject_cast<QComboBox*>(w))
      for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
    if (auto* list = qobject_cast<QListWidget*>(w))
      for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    if (auto* table = qobject_cast<QTableView*>(w)) {
      const QAbstractItemModel* model = table->model();
      for (int c = 0; c < model->columnCount(); ++c)
        texts << model->headerData(c, Qt::Horizontal).toString();
      for (int r = 0; r < model->rowCount(); ++r) {
        texts << model->headerData(r, Qt::Vertical).toString();
        for (int c = 0; c < model->columnCount(); ++c) texts << model->index(r, c).data().toString();
      }
    }
    if (auto* browser = qobject_cast<QTextBrowser*>(w))
      texts << browser->documentTitle() << browser->toPlainText();
    if (auto* bar = qobject_cast<QMenuBar*>(w)) {
      for (QAction* m : bar->actions()) {
        texts << m->text();
        if (m->menu() != nullptr)
          for (QAction* item : m->menu()->actions()) texts << item->text() << item->toolTip();
      }
    }
  }
  texts.removeAll(QString());
  return texts;
}

inline bool onX11() { return QGuiApplication::platformName() == QStringLiteral("xcb"); }

// The title the window manager reads (_NET_WM_NAME), or a note why there is none.
inline QString windowManagerTitle(QWidget* w) {
  QProcess xprop;
  // xprop writes other letters than ASCII as escapes unless its locale is UTF-8.
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
  xprop.setProcessEnvironment(env);
  xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(w->window()->winId()),
                                        QStringLiteral("_NET_WM_NAME")});
  if (!xprop.waitForFinished(5000)) return QStringLiteral("<xprop did not run>");
  const QString out = QString::fromUtf8(xprop.readAllStandardOutput());
  const qsizetype first = out.indexOf(u'"');
  const qsizetype last = out.lastIndexOf(u'"');
  if (first < 0 || last <= first) return QStringLiteral("<no _NET_WM_NAME: %1>").arg(out.trimmed());
  return out.mid(first + 1, last - first - 1);
}

// The window a window stands over (its transient parent, as the window manager
// reads WM_TRANSIENT_FOR on X11).
inline WId ownerWindowId(QWidget* w) {
  if (!onX11()) return w->parentWidget() != nullptr ? w->parentWidget()->window()->winId() : 0;
  QProcess xprop;
  xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(w->window()->winId()),
                                        QStringLiteral("WM_TRANSIENT_FOR")});
  if (!xprop.waitForFinished(5000)) return 0;
  const QString out = QString::fromUtf8(xprop.readAllStandardOutput());
  const qsizetype hash = out.indexOf(QStringLiteral("# 0x"));
  if (hash < 0) return 0;
  return out.mid(hash + 4).trimmed().toULongLong(nullptr, 16);
}

// A box stands over the window it belongs to and roughly in its middle (Qt
// leaves room for a frame it guesses when no window manager reports one).
inline bool standsOver(QWidget* box, QWidget* owner) {
  const QPoint off = box->frameGeometry().center() - owner->frameGeometry().center();
  return ownerWindowId(box) == owner->window()->winId() && std::abs(off.x()) <= 12 &&
         std::abs(off.y()) <= 42;
}

// How far a window's middle lies from its screen's middle, in pixels each way.
inline QPoint offCentre(QWidget* w) {
  return w->frameGeometry().center() - w->screen()->availableGeometry().center();
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

// The whole screen as the player sees it, windows stacked as they are (X11 only;
// elsewhere the window alone).
inline bool saveScreenScreenshot(QWidget* w, const QString& name) {
  if (!onX11()) return saveScreenshot(w, name);
  // Once every window has drawn itself; then the part of the screen they cover.
  if (!QTest::qWaitForWindowExposed(w->window())) return false;
  QTest::qWait(150);
  QRect area;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->isVisible()) area |= top->frameGeometry();
  area = area.adjusted(-8, -8, 8, 8).intersected(w->screen()->geometry());
  const QPixmap shot = w->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
  return shot.save(screenshotDir() + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace kelpmark::uitest
