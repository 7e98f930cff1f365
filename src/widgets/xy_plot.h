// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>
#include <vector>

#include "widgets/plot_lines.h"
#include "widgets/plot_scale.h"

namespace kelpmark::widgets {

// An XY line plot: a white plotting field in a navy frame with a raised border,
// a left and a right Y axis, a bottom X axis and any number of line series
// without point marks.
//
// The plot does not own its points. Each series points at a vector that belongs
// to the caller, sorted by ascending X; the caller appends to it and calls
// dataChanged() (or moves the visible X range with setAxisRange) to repaint.
// Painting looks only at the points inside the visible X range, found by binary
// search, and draws the lines as PlotLines does: only what changed since the
// last paint while the scales stay as they are.
//
// The bottom axis shows the X range set from outside. A Y axis either keeps its
// set range or, with auto-scale on, fits the points of its series inside the
// visible X range with a margin of 2.5 % of their spread above and below, and
// goes back to its set range when there are none.
//
// Tick values are round numbers (steps of 1, 2, 2.5 or 5 times a power of ten;
// 2.5 only on the Y axes) written with up to two decimals and no trailing zeros.
// Labels never overlap: the step grows until they fit.
class XYPlot : public QWidget {
  Q_OBJECT

 public:
  using Point = plot_scale::Point;
  using Points = plot_scale::Points;
  using Range = plot_scale::Range;

  enum class Axis { Left, Right, Bottom };
  enum class GridStyle { None, Solid, Dotted };

  explicit XYPlot(QWidget* parent = nullptr);

  // --- Series -----------------------------------------------------------
  // Adds a line drawn against the Left or Right axis; returns its index.
  // A series with a legend text appears in the legend above the field.
  int addSeries(const QColor& color, Axis yAxis, const QString& legend = QString());
  int seriesCount() const { return static_cast<int>(series_.size()); }
  // Points the series at the caller's storage (nullptr: no points). The vector
  // must stay alive, sorted by X, until it is replaced or the plot is destroyed.
  void setSeriesData(int series, const Points* points);
  const Points* seriesData(int series) const;
  // A name for a screen reader (the legend when none is set); never drawn.
  void setSeriesName(int series, const QString& name);
  // The last point of each series with points, as "name: value; …".
  QString latestValuesText() const;
  // The caller's points have changed: repaint.
  void dataChanged();

  // --- Axes -------------------------------------------------------------
  void setAxisLabelsVisible(Axis axis, bool visible);
  void setAxisGrid(Axis axis, GridStyle style, const QColor& color = QColor(0, 0, 0));
  void setAxisCaption(Axis axis, const QString& caption);
  // Bottom: the visible X range. Left/Right: the range shown without
  // auto-scale, and with auto-scale when there are no points to fit.
  void setAxisRange(Axis axis, double min, double max);
  // Y axes only: fit the range to the visible points.
  void setAxisAutoScale(Axis axis, bool on);
  // About this many ticks (fewer when the labels would not fit); 0 lets the
  // plot choose from its size.
  void setAxisTickCount(Axis axis, int count);
  // The range the axis shows now (for a Y axis with auto-scale, the fitted one).
  Range axisRange(Axis axis) const;
  // The tick values the axis shows at the present size.
  std::vector<double> axisTicks(Axis axis) const;

  // --- Look -------------------------------------------------------------
  // The white plotting field, in widget coordinates.
  QRect plotArea() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct AxisState {
    bool labels = true;
    GridStyle grid = GridStyle::None;
    QColor gridColor{0, 0, 0};
    QString caption;
    Range range{0.0, 10.0};
    bool autoScale = false;
    int tickCount = 6;
  };
  struct SeriesState {
    QColor color;
    Axis yAxis = Axis::Left;
    QString legend;
    QString name;
    const Points* points = nullptr;
  };
  struct AxisLayout {
    Range range;
    std::vector<double> ticks;
    std::vector<QString> labels;
    int labelWidth = 0;  // widest label
  };
  struct Layout {
    QRect field;
    QRect legend;  // empty without legend texts
    std::array<AxisLayout, 3> axes;
  };

  AxisState& axis(Axis a) { return axes_[static_cast<std::size_t>(a)]; }
  const AxisState& axis(Axis a) const { return axes_[static_cast<std::size_t>(a)]; }
  QChar decimalPoint() const;
  bool hasLegend() const;
  bool showsLabels(Axis a) const;
  Range currentRange(Axis a) const;
  Layout computeLayout() const;
  AxisLayout layoutAxis(Axis a, int lengthPixels, const QFontMetrics& fm) const;
  void drawLegend(QPainter& painter, const QRect& area) const;

  std::array<AxisState, 3> axes_;
  std::vector<SeriesState> series_;
  // Navy frame, white field, lime labels in 11-pixel Arial.
  const QColor frameColor_{0, 0, 128};
  const QColor fieldColor_{255, 255, 255};
  const QColor labelColor_{0, 255, 0};
  QFont labelFont_;
  PlotLines lines_;
};

}  // namespace kelpmark::widgets
