// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/xy_plot.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPen>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>

#include "widgets/accessible_widgets.h"

namespace kelpmark::widgets {

using plot_scale::dataRange;
using plot_scale::fitRange;
using plot_scale::formatTick;
using plot_scale::spanOf;
using plot_scale::tickStep;
using plot_scale::tickValues;

namespace {

constexpr int kTickMark = 3;          // length of a tick mark outside the field
constexpr int kGridOnlySpacing = 30;  // pixels between unlabelled grid lines, at least

std::size_t index(XYPlot::Axis a) { return static_cast<std::size_t>(a); }

bool isYAxis(XYPlot::Axis a) { return a == XYPlot::Axis::Left || a == XYPlot::Axis::Right; }

}  // namespace

XYPlot::XYPlot(QWidget* parent) : QWidget(parent) {
  installAccessibleWidgets();
  setAttribute(Qt::WA_OpaquePaintEvent);
  labelFont_ = QFont(QStringLiteral("Arial"));
  labelFont_.setPixelSize(11);
  axis(Axis::Bottom).tickCount = 0;
  axis(Axis::Bottom).range = {0.0, 72.0};
  axis(Axis::Left).grid = GridStyle::Dotted;
}

// --- Series -------------------------------------------------------------------

int XYPlot::addSeries(const QColor& color, Axis yAxis, const QString& legend) {
  SeriesState s;
  s.color = color;
  s.yAxis = isYAxis(yAxis) ? yAxis : Axis::Left;
  s.legend = legend;
  series_.push_back(s);
  update();
  return static_cast<int>(series_.size()) - 1;
}

void XYPlot::setSeriesData(int series, const Points* points) {
  if (series < 0 || series >= seriesCount()) return;
  series_[static_cast<std::size_t>(series)].points = points;
  update();
}

const XYPlot::Points* XYPlot::seriesData(int series) const {
  if (series < 0 || series >= seriesCount()) return nullptr;
  return series_[static_cast<std::size_t>(series)].points;
}

void XYPlot::setSeriesName(int series, const QString& name) {
  if (series < 0 || series >= seriesCount()) return;
  series_[static_cast<std::size_t>(series)].name = name;
}

QString XYPlot::latestValuesText() const {
  QStringList parts;
  for (std::size_t i = 0; i < series_.size(); ++i) {
    const SeriesState& s = series_[i];
    if (s.points == nullptr || s.points->empty()) continue;
    QString name = s.name.isEmpty() ? s.legend : s.name;
    if (name.isEmpty()) name = tr("Линия %1").arg(i + 1);
    parts << QStringLiteral("%1: %2").arg(name, formatTick(s.points->back().second, decimalPoint()));
  }
  return parts.isEmpty() ? tr("нет данных") : parts.join(QStringLiteral("; "));
}

void XYPlot::dataChanged() {
  update();
  notifyAccessibleValueChanged(this, latestValuesText());
}

// --- Axes ---------------------------------------------------------------------

void XYPlot::setAxisLabelsVisible(Axis a, bool visible) {
  axis(a).labels = visible;
  update();
}

void XYPlot::setAxisGrid(Axis a, GridStyle style, const QColor& color) {
  axis(a).grid = style;
  axis(a).gridColor = color;
  update();
}

void XYPlot::setAxisCaption(Axis a, const QString& caption) {
  axis(a).caption = caption;
  update();
}

void XYPlot::setAxisRange(Axis a, double min, double max) {
  const Range r{min, max};
  if (axis(a).range == r) return;
  axis(a).range = r;
  update();
}

void XYPlot::setAxisAutoScale(Axis a, bool on) {
  if (!isYAxis(a)) return;
  axis(a).autoScale = on;
  update();
}

void XYPlot::setAxisTickCount(Axis a, int count) {
  axis(a).tickCount = std::max(0, count);
  update();
}

XYPlot::Range XYPlot::axisRange(Axis a) const { return currentRange(a); }

std::vector<double> XYPlot::axisTicks(Axis a) const { return computeLayout().axes[index(a)].ticks; }

// --- Look -----------------------------------------------------------------------

QRect XYPlot::plotArea() const { return computeLayout().field; }

QSize XYPlot::sizeHint() const { return {345, 109}; }

QSize XYPlot::minimumSizeHint() const { return {120, 60}; }

void XYPlot::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LocaleChange) update();
  QWidget::changeEvent(event);
}

// --- Layout -------------------------------------------------------------------------

QChar XYPlot::decimalPoint() const {
  const QString point = locale().decimalPoint();
  return point.isEmpty() ? QChar(u'.') : point.at(0);
}

bool XYPlot::hasLegend() const {
  return std::any_of(series_.begin(), series_.end(),
                     [](const SeriesState& s) { return !s.legend.isEmpty(); });
}

bool XYPlot::showsLabels(Axis a) const { return axis(a).labels; }

XYPlot::Range XYPlot::currentRange(Axis a) const {
  const AxisState& state = axis(a);
  if (!isYAxis(a) || !state.autoScale) return state.range;
  std::vector<const Points*> points;
  for (const SeriesState& s : series_) {
    if (s.yAxis == a) points.push_back(s.points);
  }
  const Range x = axis(Axis::Bottom).range;
  const std::optional<Range> found = dataRange(points, x.min, x.max);
  return found ? fitRange(*found) : state.range;
}

XYPlot::AxisLayout XYPlot::layoutAxis(Axis a, int lengthPixels, const QFontMetrics& fm) const {
  const AxisState& state = axis(a);
  AxisLayout out;
  out.range = currentRange(a);
  const bool labels = state.labels;
  int minPixels = kGridOnlySpacing;
  if (isYAxis(a)) {
    if (labels) minPixels = fm.height() + 2;
  } else if (labels) {
    // Widest label the range can produce, plus a gap.
    const QChar dp = decimalPoint();
    const int widest = std::max(fm.horizontalAdvance(formatTick(out.range.min, dp)),
                                fm.horizontalAdvance(formatTick(out.range.max, dp)));
    minPixels = widest + fm.horizontalAdvance(QStringLiteral("00"));
  }
  if (!labels && state.grid == GridStyle::None) return out;
  const double step = tickStep(out.range, state.tickCount, lengthPixels, minPixels, isYAxis(a));
  out.ticks = tickValues(out.range, step);
  if (labels) {
    const QChar dp = decimalPoint();
    for (const double t : out.ticks) {
      out.labels.push_back(formatTick(t, dp));
      out.labelWidth = std::max(out.labelWidth, fm.horizontalAdvance(out.labels.back()));
    }
  }
  return out;
}

XYPlot::Layout XYPlot::computeLayout() const {
  Layout layout;
  const QFontMetrics fm(labelFont_);
  const int lh = fm.height();
  const QRect inner = rect().adjusted(1, 1, -1, -1);

  int top = inner.top() + 2;
  if (hasLegend()) {
    layout.legend = QRect(inner.left(), top, inner.width(), lh + 2);
    top += lh + 3;
  }
  const bool yLabels = showsLabels(Axis::Left) || showsLabels(Axis::Right);
  top += yLabels ? lh / 2 : 2;

  int bottom = inner.bottom() - 2;
  if (showsLabels(Axis::Bottom))
    bottom -= kTickMark + lh;
  else if (yLabels)
    bottom -= lh / 2;
  if (!axis(Axis::Bottom).caption.isEmpty()) bottom -= lh;
  const int fieldHeight = std::max(2, bottom - top + 1);

  layout.axes[index(Axis::Left)] = layoutAxis(Axis::Left, fieldHeight, fm);
  layout.axes[index(Axis::Right)] = layoutAxis(Axis::Right, fieldHeight, fm);

  auto sideWidth = [&](Axis a) {
    const AxisState& s = axis(a);
    int w = 3;
    if (s.labels) w += layout.axes[index(a)].labelWidth + kTickMark + 2;
    if (!s.caption.isEmpty()) w += lh + 1;
    return w;
  };
  int left = inner.left() + sideWidth(Axis::Left);
  int right = inner.right() - sideWidth(Axis::Right);

  // Bottom labels are centred on their ticks: keep room for half of the
  // widest one at each end.
  if (showsLabels(Axis::Bottom)) {
    const Range x = axis(Axis::Bottom).range;
    const QChar dp = decimalPoint();
    const int half =
        std::max(fm.horizontalAdvance(formatTick(x.min, dp)), fm.horizontalAdvance(formatTick(x.max, dp))) /
            2 +
        2;
    left = std::max(left, inner.left() + half);
    right = std::min(right, inner.right() - half);
  }
  layout.field = QRect(QPoint(left, top), QPoint(std::max(left + 1, right), top + fieldHeight - 1));
  layout.axes[index(Axis::Bottom)] = layoutAxis(Axis::Bottom, layout.field.width(), fm);
  return layout;
}

// --- Painting -------------------------------------------------------------------------

void XYPlot::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect r = rect();
  const Layout layout = computeLayout();
  const QRect& field = layout.field;
  const QFontMetrics fm(labelFont_);

  // Frame and raised border.
  painter.fillRect(r, frameColor_);
  painter.setPen(frameColor_.lighter(260));
  painter.drawLine(r.topLeft(), r.topRight());
  painter.drawLine(r.topLeft(), r.bottomLeft());
  painter.setPen(frameColor_.darker(300));
  painter.drawLine(r.bottomLeft(), r.bottomRight());
  painter.drawLine(r.topRight(), r.bottomRight());

  painter.fillRect(field, fieldColor_);

  const AxisLayout& xAxis = layout.axes[index(Axis::Bottom)];
  const double xSpan = spanOf(xAxis.range);
  auto xToPixel = [&](double x) {
    return field.left() + (x - xAxis.range.min) / xSpan * (field.width() - 1);
  };
  auto yToPixel = [&](const AxisLayout& a, double y) {
    return field.bottom() - (y - a.range.min) / spanOf(a.range) * (field.height() - 1);
  };
  auto gridPen = [](const AxisState& s) {
    QPen pen(s.gridColor);
    pen.setWidth(0);
    if (s.grid == GridStyle::Dotted) pen.setDashPattern({1.0, 2.0});
    return pen;
  };

  // Grids, under the lines.
  painter.setRenderHint(QPainter::Antialiasing, false);
  const AxisState& bottomState = axis(Axis::Bottom);
  if (bottomState.grid != GridStyle::None) {
    painter.setPen(gridPen(bottomState));
    for (const double t : xAxis.ticks) {
      const int x = static_cast<int>(std::lround(xToPixel(t)));
      if (x > field.left() && x < field.right()) painter.drawLine(x, field.top() + 1, x, field.bottom() - 1);
    }
  }
  for (const Axis a : {Axis::Left, Axis::Right}) {
    const AxisState& s = axis(a);
    if (s.grid == GridStyle::None) continue;
    painter.setPen(gridPen(s));
    const AxisLayout& al = layout.axes[index(a)];
    for (const double t : al.ticks) {
      const int y = static_cast<int>(std::lround(yToPixel(al, t)));
      if (y > field.top() && y < field.bottom()) painter.drawLine(field.left() + 1, y, field.right() - 1, y);
    }
  }

  // The lines, clipped to the field.
  painter.save();
  painter.setClipRect(field);
  painter.setRenderHint(QPainter::Antialiasing, true);
  std::vector<PlotLines::Line> lines;
  lines.reserve(series_.size());
  for (const SeriesState& s : series_)
    lines.push_back({s.points, s.color, layout.axes[index(s.yAxis)].range});
  lines_.paint(painter, field, xAxis.range, lines);
  painter.restore();

  // Field edge.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QColor(0, 0, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(field.adjusted(-1, -1, 0, 0));

  // Tick labels and captions.
  painter.setFont(labelFont_);
  painter.setPen(labelColor_);
  const int lh = fm.height();
  for (const Axis a : {Axis::Left, Axis::Right}) {
    const AxisState& s = axis(a);
    if (!s.labels) continue;
    const AxisLayout& al = layout.axes[index(a)];
    for (std::size_t i = 0; i < al.ticks.size(); ++i) {
      const int y = static_cast<int>(std::lround(yToPixel(al, al.ticks[i])));
      if (a == Axis::Left) {
        painter.drawLine(field.left() - 1 - kTickMark, y, field.left() - 2, y);
        const QRect box(field.left() - 2 - kTickMark - 2 - al.labelWidth, y - lh / 2, al.labelWidth, lh);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, al.labels[i]);
      } else {
        painter.drawLine(field.right() + 1, y, field.right() + kTickMark, y);
        const QRect box(field.right() + kTickMark + 3, y - lh / 2, al.labelWidth, lh);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, al.labels[i]);
      }
    }
    if (!s.caption.isEmpty()) {
      painter.save();
      const int x = a == Axis::Left ? field.left() - 2 - kTickMark - 2 - al.labelWidth - 2
                                    : field.right() + kTickMark + 3 + al.labelWidth + 2;
      painter.translate(x, (field.top() + field.bottom()) / 2);
      painter.rotate(a == Axis::Left ? -90.0 : 90.0);
      const int w = fm.horizontalAdvance(s.caption);
      painter.drawText(QRect(-w / 2 - 1, a == Axis::Left ? -lh : 0, w + 2, lh), Qt::AlignCenter, s.caption);
      painter.restore();
    }
  }
  int captionTop = field.bottom() + 2;
  if (bottomState.labels) {
    for (std::size_t i = 0; i < xAxis.ticks.size(); ++i) {
      const int x = static_cast<int>(std::lround(xToPixel(xAxis.ticks[i])));
      painter.drawLine(x, field.bottom() + 2, x, field.bottom() + 1 + kTickMark);
      const int w = fm.horizontalAdvance(xAxis.labels[i]);
      painter.drawText(QRect(x - w / 2 - 1, field.bottom() + 2 + kTickMark, w + 2, lh), Qt::AlignCenter,
                       xAxis.labels[i]);
    }
    captionTop = field.bottom() + 2 + kTickMark + lh;
  }
  if (!bottomState.caption.isEmpty())
    painter.drawText(QRect(field.left(), captionTop - 1, field.width(), lh), Qt::AlignHCenter | Qt::AlignTop,
                     bottomState.caption);

  if (!layout.legend.isEmpty()) drawLegend(painter, layout.legend);
}

void XYPlot::drawLegend(QPainter& painter, const QRect& area) const {
  const QFontMetrics fm(labelFont_);
  constexpr int kSample = 14;   // length of the colour sample
  constexpr int kGap = 4;       // between sample and text
  constexpr int kSpacing = 12;  // between entries
  int total = 0;
  for (const SeriesState& s : series_) {
    if (s.legend.isEmpty()) continue;
    if (total > 0) total += kSpacing;
    total += kSample + kGap + fm.horizontalAdvance(s.legend);
  }
  int x = area.left() + std::max(0, (area.width() - total) / 2);
  const int midY = area.top() + area.height() / 2;
  for (const SeriesState& s : series_) {
    if (s.legend.isEmpty()) continue;
    painter.fillRect(QRect(x, midY - 1, kSample, 3), s.color);
    painter.setPen(QColor(0, 0, 0));
    painter.drawRect(QRect(x - 1, midY - 2, kSample + 1, 4));
    x += kSample + kGap;
    const int w = fm.horizontalAdvance(s.legend);
    painter.setPen(labelColor_);
    painter.drawText(QRect(x, area.top(), w + 1, area.height()), Qt::AlignLeft | Qt::AlignVCenter, s.legend);
    x += w + kSpacing;
  }
}

}  // namespace kelpmark::widgets
