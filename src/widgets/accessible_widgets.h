// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader learns from the game's own painted widgets: each reports
// a name and its current value through Qt's accessibility interfaces (a label
// its text, the ticker its text, a gauge its value and range, a plot the latest
// value of each line). A name set with setAccessibleName() wins over the default.
#include <QAccessible>
#include <QString>
#include <functional>

class QVariant;
class QWidget;
struct QMetaObject;

namespace kelpmark::widgets {

// Registers the interfaces with Qt once; every widget's constructor calls it.
void installAccessibleWidgets();

// The context the fallback names are marked in (QT_TRANSLATE_NOOP) and translated
// from when a screen reader asks.
inline constexpr const char* kAccessibleNameContext = "kelpmark::widgets::AccessibleDisplay";

// Makes widgets of this class report the role, and the value that `value` reads
// from the widget. Their name is the accessible name set on the widget, else
// `fallbackName` (a text marked for translation), else the value itself.
// `checked` (when given) reports a checkable state.
struct AccessibleDisplay {
  QAccessible::Role role = QAccessible::StaticText;
  const char* fallbackName = nullptr;
  std::function<QString(const QWidget&)> value;
  std::function<bool(const QWidget&)> checked;
};
void registerAccessibleDisplay(const QMetaObject& widgetClass, AccessibleDisplay display);

// Tells an active screen reader that the widget's value (and with it, for a
// widget named after its text, its name) changed.
void notifyAccessibleValueChanged(QWidget* widget, const QVariant& value);

}  // namespace kelpmark::widgets
