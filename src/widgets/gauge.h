// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

namespace kelpmark::widgets {

// A horizontal gauge: a navy bar on the window's background colour inside a
// sunken bevel, filled from the left in proportion to value between minimum and
// maximum. No text. The value is always kept inside the range.
class Gauge : public QWidget {
  Q_OBJECT

 public:
  explicit Gauge(QWidget* parent = nullptr);

  // A maximum below the minimum is raised to the minimum.
  void setRange(int minimum, int maximum);
  void setMinimum(int minimum);
  void setMaximum(int maximum);
  void setValue(int value);  // clamped to the range
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  int value() const { return value_; }

  void setFillColor(const QColor& color);        // default navy
  void setBackgroundColor(const QColor& color);  // default RGB(0, 117, 58)
  QColor fillColor() const { return fill_; }
  QColor backgroundColor() const { return background_; }

  // The area inside the bevel, and the part of it the bar covers now.
  QRect troughRect() const;
  QRect barRect() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int minimum_ = 0;
  int maximum_ = 100;
  int value_ = 0;
  QColor fill_{0, 0, 128};
  QColor background_{0, 117, 58};
};

}  // namespace kelpmark::widgets
