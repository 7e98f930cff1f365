// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/accessible_widgets.h"

#include <QAccessibleValueInterface>
#include <QCoreApplication>
#include <QAccessibleWidget>
#include <QHash>

#include "widgets/dot_matrix_ticker.h"
#include "widgets/gauge.h"
#include "widgets/shadow_label.h"
#include "widgets/xy_plot.h"

namespace kelpmark::widgets {

namespace {

QHash<QString, AccessibleDisplay>& displays() {
  static QHash<QString, AccessibleDisplay> registry;
  return registry;
}

class DisplayInterface : public QAccessibleWidget {
 public:
  DisplayInterface(QWidget* w, const AccessibleDisplay& display)
      : QAccessibleWidget(w, display.role), display_(display) {}

  QString text(QAccessible::Text t) const override {
    const QWidget& w = *widget();
    if (t == QAccessible::Value) return display_.value(w);
    if (t == QAccessible::Name) {
      if (!w.accessibleName().isEmpty()) return w.accessibleName();
      if (display_.fallbackName == nullptr) return display_.value(w);
      return QCoreApplication::translate(kAccessibleNameContext, display_.fallbackName);
    }
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (display_.checked) {
      s.checkable = true;
      s.checked = display_.checked(*widget());
    }
    return s;
  }

 private:
  AccessibleDisplay display_;
};

class GaugeInterface : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit GaugeInterface(Gauge* g) : QAccessibleWidget(g, QAccessible::ProgressBar) {}
  const Gauge& gauge() const { return *static_cast<const Gauge*>(widget()); }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return QString::number(gauge().value());
    return QAccessibleWidget::text(t);
  }
  QVariant currentValue() const override { return gauge().value(); }
  void setCurrentValue(const QVariant&) override {}  // it shows a value; nobody sets it
  QVariant maximumValue() const override { return gauge().maximum(); }
  QVariant minimumValue() const override { return gauge().minimum(); }
  QVariant minimumStepSize() const override { return 0; }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (className == QLatin1String(Gauge::staticMetaObject.className()))
    return new GaugeInterface(static_cast<Gauge*>(widget));
  const auto found = displays().constFind(className);
  return found == displays().constEnd() ? nullptr : new DisplayInterface(widget, *found);
}

}  // namespace

void registerAccessibleDisplay(const QMetaObject& widgetClass, AccessibleDisplay display) {
  installAccessibleWidgets();
  displays().insert(QString::fromLatin1(widgetClass.className()), std::move(display));
}

void installAccessibleWidgets() {
  static const bool installed = [] {
    QAccessible::installFactory(factory);
    displays().insert(QString::fromLatin1(ShadowLabel::staticMetaObject.className()),
                      {QAccessible::StaticText, nullptr,
                       [](const QWidget& w) {
                         return static_cast<const ShadowLabel&>(w).displayText();
                       },
                       {}});
    displays().insert(QString::fromLatin1(DotMatrixTicker::staticMetaObject.className()),
                      {QAccessible::StaticText,
                       QT_TRANSLATE_NOOP("kelpmark::widgets::AccessibleDisplay", "Бегущая строка"),
                       [](const QWidget& w) {
                         return static_cast<const DotMatrixTicker&>(w).text().simplified();
                       },
                       {}});
    displays().insert(QString::fromLatin1(XYPlot::staticMetaObject.className()),
                      {QAccessible::Chart,
                       QT_TRANSLATE_NOOP("kelpmark::widgets::AccessibleDisplay", "График"),
                       [](const QWidget& w) {
                         return static_cast<const XYPlot&>(w).latestValuesText();
                       },
                       {}});
    return true;
  }();
  (void)installed;
}

void notifyAccessibleValueChanged(QWidget* widget, const QVariant& value) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent name(widget, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&name);
  QAccessibleValueChangeEvent changed(widget, value);
  QAccessible::updateAccessibility(&changed);
}

}  // namespace kelpmark::widgets
