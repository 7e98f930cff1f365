// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/xy_plot.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>

#include "widgets/accessible_widgets.h"

namespace kelpmark::widgets {
namespace {

constexpr double kMargin = 0.025;     // share of the data spread added above and below
constexpr double kFinestStep = 0.01;  // the labels show two decimals at most
constexpr int kTickMark = 3;          // length of a tick mark outside the field
constexpr int kGridOnlySpacing = 30;  // pixels between unlabelled grid lines, at least

std::size_t index(XYPlot::Axis a) { return static_cast<std::size_t>(a); }

bool isYAxis(XYPlot::Axis a) { return a == XYPlot::Axis::Left || a == XYPlot::Axis::Right; }

double spanOf(const XYPlot::Range& r) {
  const double span = r.max - r.min;
  return span > 0.0 ? span : 1.0;
}

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
    if (name.isEmpty()) name = QStringLiteral("Линия %1").arg(i + 1);
    parts << QStringLiteral("%1: %2").arg(name, formatTick(s.points->back().second, decimalPoint()));
  }
  return parts.isEmpty() ? QStringLiteral("нет данных") : parts.join(QStringLiteral("; "));
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

// --- Helpers ----------------------------------------------------------------------

std::pair<std::size_t, std::size_t> XYPlot::visibleSlice(const Points& points, double xMin, double xMax) {
  const auto first = std::lower_bound(points.begin(), points.end(), xMin,
                                      [](const Point& p, double x) { return p.first < x; });
  const auto last =
      std::upper_bound(first, points.end(), xMax, [](double x, const Point& p) { return x < p.first; });
  return {static_cast<std::size_t>(first - points.begin()), static_cast<std::size_t>(last - points.begin())};
}

std::optional<XYPlot::Range> XYPlot::dataRange(const std::vector<const Points*>& series, double xMin,
                                               double xMax) {
  double lo = std::numeric_limits<double>::infinity();
  double hi = -std::numeric_limits<double>::infinity();
  for (const Points* points : series) {
    if (points == nullptr) continue;
    const auto [first, last] = visibleSlice(*points, xMin, xMax);
    for (std::size_t i = first; i < last; ++i) {
      const double y = (*points)[i].second;
      if (!std::isfinite(y)) continue;
      lo = std::min(lo, y);
      hi = std::max(hi, y);
    }
  }
  if (lo > hi) return std::nullopt;
  return Range{lo, hi};
}

XYPlot::Range XYPlot::fitRange(const Range& data) {
  const double spread = data.max - data.min;
  if (spread > std::max(std::abs(data.max), std::abs(data.min)) * 1e-9) {
    const double pad = spread * kMargin;
    return {data.min - pad, data.max + pad};
  }
  const double pad = std::max(std::abs(data.max) * 0.05, 0.5);
  return {data.min - pad, data.max + pad};
}

double XYPlot::tickStep(const Range& range, int maxTicks, int lengthPixels, int minPixels,
                        bool allowQuarters) {
  const double span = spanOf(range);
  const double rough = span / std::max(1, maxTicks > 0 ? maxTicks : 10);
  double power = std::pow(10.0, std::floor(std::log10(rough)) - 1.0);
  constexpr std::array<double, 4> kMantissas{1.0, 2.0, 2.5, 5.0};
  double step = kFinestStep;
  for (int decade = 0; decade < 12; ++decade, power *= 10.0) {
    for (const double m : kMantissas) {
      step = m * power;
      if (step < kFinestStep * (1.0 - 1e-9)) continue;
      // A quarter step is only allowed where its labels need no third decimal.
      if (m == 2.5 && (!allowQuarters || step < 0.25 * (1.0 - 1e-9))) continue;
      const double count = std::floor(range.max / step + 1e-9) - std::ceil(range.min / step - 1e-9) + 1.0;
      if (maxTicks > 0 && count > maxTicks) continue;
      if (lengthPixels > 0 && step / span * lengthPixels < minPixels) continue;
      return step;
    }
  }
  return step;
}

std::vector<double> XYPlot::tickValues(const Range& range, double step) {
  std::vector<double> ticks;
  if (!(step > 0.0) || !(range.max >= range.min)) return ticks;
  const double first = std::ceil(range.min / step - 1e-9);
  const double last = std::floor(range.max / step + 1e-9);
  if (last - first > 1000.0) return ticks;
  for (double i = first; i <= last; i += 1.0) {
    // Steps are multiples of 0.01, so are the ticks: rounding to hundredths
    // removes the binary noise (3 x 0.2 gives 0.6, not 0.6000000000000001).
    double v = std::round(i * step * 100.0) / 100.0;
    if (v == 0.0) v = 0.0;  // no negative zero
    ticks.push_back(v);
  }
  return ticks;
}

QString XYPlot::formatTick(double value, QChar decimalPoint) {
  QString s = QString::number(value, 'f', 2);
  if (s.contains(u'.')) {
    while (s.endsWith(u'0')) s.chop(1);
    if (s.endsWith(u'.')) s.chop(1);
  }
  if (s == QLatin1String("-0")) s = QStringLiteral("0");
  s.replace(u'.', decimalPoint);
  return s;
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
  for (const SeriesState& s : series_) drawSeries(painter, layout, s);
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

void XYPlot::drawSeries(QPainter& painter, const Layout& layout, const SeriesState& series) const {
  if (series.points == nullptr || series.points->empty()) return;
  const Points& points = *series.points;
  const QRect& field = layout.field;
  const AxisLayout& xAxis = layout.axes[index(Axis::Bottom)];
  const AxisLayout& yAxis = layout.axes[index(series.yAxis)];
  const double xSpan = spanOf(xAxis.range);
  const double ySpan = spanOf(yAxis.range);
  // Pixel centres: the leftmost field column is at left + 0.5.
  const double x0 = field.left() + 0.5;
  const double xScale = (field.width() - 1) / xSpan;
  const double y0 = field.bottom() + 0.5;
  const double yScale = (field.height() - 1) / ySpan;

  auto [first, last] = visibleSlice(points, xAxis.range.min, xAxis.range.max);
  // One neighbour outside on each side, so the line runs to the edges.
  if (first > 0) --first;
  if (last < points.size()) ++last;
  if (last <= first) return;

  const std::size_t count = last - first;
  const bool thinOut = count > static_cast<std::size_t>(std::max(1, field.width())) * 4;

  QPen pen(series.color);
  // Sparse lines are drawn a little heavier; dense ones take the fast thin path.
  pen.setWidthF(count <= static_cast<std::size_t>(std::max(1, field.width())) ? 1.5 : 1.0);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);

  QPolygonF line;
  auto flush = [&]() {
    if (line.size() == 1) {
      // A lone point still shows, as a small dot.
      painter.setBrush(series.color);
      painter.setPen(Qt::NoPen);
      painter.drawEllipse(line.front(), 1.5, 1.5);
      painter.setPen(pen);
      painter.setBrush(Qt::NoBrush);
    } else if (line.size() > 1) {
      painter.drawPolyline(line);
    }
    line.clear();
  };

  line.reserve(thinOut ? field.width() * 4 + 8 : static_cast<int>(count));

  // Reduction to pixel columns: first, lowest, highest and last point of each.
  bool bucketOpen = false;
  long bucketColumn = 0;
  double bucketX = 0, firstY = 0, lastY = 0, lowY = 0, highY = 0;
  std::size_t lowAt = 0, highAt = 0;
  auto closeBucket = [&]() {
    if (!bucketOpen) return;
    line.append(QPointF(bucketX, firstY));
    if (lowAt < highAt) {
      line.append(QPointF(bucketX, lowY));
      line.append(QPointF(bucketX, highY));
    } else if (highAt < lowAt) {
      line.append(QPointF(bucketX, highY));
      line.append(QPointF(bucketX, lowY));
    }
    line.append(QPointF(bucketX, lastY));
    bucketOpen = false;
  };

  for (std::size_t i = first; i < last; ++i) {
    const auto& [x, y] = points[i];
    if (!std::isfinite(x) || !std::isfinite(y)) {
      closeBucket();
      flush();
      continue;
    }
    const double px = x0 + (x - xAxis.range.min) * xScale;
    const double py = y0 - (y - yAxis.range.min) * yScale;
    if (!thinOut) {
      line.append(QPointF(px, py));
      continue;
    }
    const long column = std::lround(std::floor(px));
    if (bucketOpen && column == bucketColumn) {
      lastY = py;
      if (py < lowY) {
        lowY = py;
        lowAt = i;
      }
      if (py > highY) {
        highY = py;
        highAt = i;
      }
      continue;
    }
    closeBucket();
    bucketOpen = true;
    bucketColumn = column;
    bucketX = px;
    firstY = lastY = lowY = highY = py;
    lowAt = highAt = i;
  }
  closeBucket();
  flush();
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
