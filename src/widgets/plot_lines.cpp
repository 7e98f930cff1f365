// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/plot_lines.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace kelpmark::widgets {

using plot_scale::Point;
using plot_scale::Points;
using plot_scale::Range;
using plot_scale::spanOf;

namespace {

constexpr double kWidePen = 1.5;    // sparse lines, in widget pixels
constexpr double kThinPen = 1.0;    // dense lines
constexpr double kDotRadius = 1.5;  // a lone point
// The image of a plot larger than this (in device pixels) is not kept.
constexpr double kMostImagePixels = 16.0 * 1024 * 1024;

bool finite(const Point& p) { return std::isfinite(p.first) && std::isfinite(p.second); }

}  // namespace

// Where a point lands: X at (x * xScale - xShift) + xOffset, Y at
// yOffset - (y - yOrigin) * yScale.
struct PlotLines::Mapping {
  double xScale = 1.0;
  double xShift = 0.0;
  double xOffset = 0.0;
  double yOrigin = 0.0;
  double yScale = 1.0;
  double yOffset = 0.0;
  double mapX(double x) const { return (x * xScale - xShift) + xOffset; }
  double mapY(double y) const { return yOffset - (y - yOrigin) * yScale; }
  Mapping withY(const Range& y, double fieldPixels, double bottom) const {
    Mapping m = *this;
    m.yOrigin = y.min;
    m.yScale = fieldPixels / spanOf(y);
    m.yOffset = bottom;
    return m;
  }
};

// Going back from `from` (not below `floor`), the first finite point at `limit`
// or left of it. A break does not end the search: the points before it are
// drawn up to it.
std::size_t PlotLines::startLeftOf(const Points& points, std::size_t from, std::size_t floor,
                                   const Mapping& m, double limit) {
  std::size_t start = from;
  while (start > floor && !(finite(points[start]) && m.mapX(points[start].first) <= limit)) --start;
  return start;
}

void PlotLines::drawPolyline(QPainter& painter, const Points& points, std::size_t first, std::size_t last,
                             const Mapping& m, const QColor& color, double penWidth, double unit,
                             bool thinOut) {
  QPen pen(color);
  pen.setWidthF(penWidth * unit);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);

  QPolygonF line;
  auto flush = [&]() {
    if (line.size() == 1) {
      painter.setBrush(color);
      painter.setPen(Qt::NoPen);
      painter.drawEllipse(line.front(), kDotRadius * unit, kDotRadius * unit);
      painter.setPen(pen);
      painter.setBrush(Qt::NoBrush);
    } else if (line.size() > 1) {
      painter.drawPolyline(line);
    }
    line.clear();
  };
  if (!thinOut) line.reserve(static_cast<int>(std::min<std::size_t>(last - first, 1u << 20)));

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
    if (!finite(points[i])) {
      closeBucket();
      flush();
      continue;
    }
    const double px = m.mapX(points[i].first);
    const double py = m.mapY(points[i].second);
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

void PlotLines::clear() {
  image_ = QImage();
  drawn_.clear();
}

bool PlotLines::keeps(const Scales& scales, double fieldColumn, int fieldWidth,
                      const std::vector<Line>& lines, const std::vector<Plan>& plans) const {
  if (image_.isNull() || !(scales == scales_) || drawn_.size() != lines.size()) return false;
  if (fieldColumn < 0 || fieldColumn + fieldWidth > image_.width()) return false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Drawn& d = drawn_[i];
    if (d.drawn.empty()) continue;
    const Points* points = lines[i].points;
    const std::size_t end = d.start + d.drawn.size();
    // The line must still hold, unchanged, what was drawn of it, and must not
    // end sooner than it did.
    if (points == nullptr || points->size() < end || plans[i].last < end) return false;
    if (std::memcmp(points->data() + d.start, d.drawn.data(), d.drawn.size() * sizeof(Point)) != 0)
      return false;
  }
  return true;
}

// The field on the device's pixels, and the scales of the image.
struct PlotLines::Geometry {
  Geometry(const QTransform& device, const QRect& field, const Range& x) {
    scale = device.m11();
    xPixels = scale * (field.width() - 1) / spanOf(x);
    rangeStart = std::round(x.min * xPixels);
    // The centre of the field's first column falls on firstCentre, its left
    // edge on left, its top edge on top.
    const double firstCentre = device.dx() + scale * (field.left() + 0.5);
    const double centreWhole = std::floor(firstCentre);
    left = std::floor(device.dx() + scale * field.left());
    width = static_cast<int>(std::ceil(device.dx() + scale * (field.right() + 1)) - left);
    const double top = device.dy() + scale * field.top();
    topWhole = std::floor(top);
    height = static_cast<int>(std::ceil(top + scale * field.height()) - topWhole);
    xFraction = firstCentre - centreWhole;
    yFraction = top - topWhole;
    fieldOffset = left - centreWhole;
    fieldHeight = field.height();
    margin = std::ceil(kDotRadius * scale) + 1.0;
  }

  double scale;           // device pixels a widget pixel
  double xPixels;         // device pixels an X unit
  double rangeStart;      // the X range's start in device pixels, whole
  double left, topWhole;  // the field's device pixel at the image's copy
  int width, height;      // of the field, in device pixels
  double xFraction, yFraction;
  double fieldOffset;
  int fieldHeight;
  // Wider than what a point's pen, join or dot covers beside it.
  double margin;
};

PlotLines::Mapping PlotLines::mapping(const Geometry& g, const Line& line) const {
  Mapping m;
  m.xScale = g.xPixels;
  m.xShift = origin_;
  m.xOffset = g.xFraction;
  return m.withY(line.y, g.scale * (g.fieldHeight - 1), g.yFraction + g.scale * (g.fieldHeight - 0.5));
}

double PlotLines::fieldColumn(const Geometry& g) const { return g.fieldOffset + g.rangeStart - origin_; }

void PlotLines::paint(QPainter& painter, const QRect& field, const Range& x, const std::vector<Line>& lines) {
  // The points each line shows: those in the X range and a neighbour each side.
  const std::size_t columns = static_cast<std::size_t>(std::max(1, field.width()));
  std::vector<Plan> plans(lines.size());
  bool thinOut = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Points* points = lines[i].points;
    if (points == nullptr || points->empty()) continue;
    auto [first, last] = plot_scale::visibleSlice(*points, x.min, x.max);
    if (first > 0) --first;
    if (last < points->size()) ++last;
    const std::size_t count = last - first;
    plans[i] = {first, last, count <= columns ? kWidePen : kThinPen, count > columns * 4};
    thinOut = thinOut || plans[i].thinOut;
  }

  const QTransform device = painter.deviceTransform();
  const Geometry g(device, field, x);
  const bool keepable = !thinOut && device.type() <= QTransform::TxScale && g.scale > 0.0 &&
                        device.m22() == g.scale && std::abs(g.rangeStart) < 1e12 &&
                        3.0 * g.width * g.height <= kMostImagePixels;
  if (keepable) {
    Scales scales{g.scale, g.xFraction, g.yFraction, field.size(), g.xPixels, {}, {}, {}};
    for (std::size_t i = 0; i < lines.size(); ++i) {
      scales.y.push_back(lines[i].y);
      scales.colors.push_back(lines[i].color);
      scales.penWidths.push_back(plans[i].penWidth);
    }
    if (keeps(scales, fieldColumn(g), g.width, lines, plans)) {
      drawNew(g, lines, plans);
    } else {
      scales_ = scales;
      drawAll(g, lines, plans);
    }
  } else {
    clear();
  }
  if (image_.isNull()) {
    drawDirect(painter, field, x, lines, plans);
    return;
  }
  // The part of the image under the field, copied pixel for pixel.
  painter.save();
  const QTransform base = painter.worldTransform().inverted() * device;
  painter.setWorldTransform(base.inverted());
  painter.drawImage(QPointF(g.left, g.topWhole), image_, QRectF(fieldColumn(g), 0, g.width, g.height));
  painter.restore();
}

void PlotLines::drawDirect(QPainter& painter, const QRect& field, const Range& x,
                           const std::vector<Line>& lines, const std::vector<Plan>& plans) const {
  // In widget pixels, on the exact X positions.
  Mapping m;
  m.xScale = (field.width() - 1) / spanOf(x);
  m.xShift = x.min * m.xScale;
  m.xOffset = field.left() + 0.5;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (plans[i].last == 0) continue;
    drawPolyline(painter, *lines[i].points, plans[i].first, plans[i].last,
                 m.withY(lines[i].y, field.height() - 1, field.bottom() + 0.5), lines[i].color,
                 plans[i].penWidth, 1.0, plans[i].thinOut);
  }
}

void PlotLines::drawAll(const Geometry& g, const std::vector<Line>& lines, const std::vector<Plan>& plans) {
  // The field's left edge at the image's column 0, two fields of room right.
  origin_ = g.rangeStart + g.fieldOffset;
  const QSize size(3 * g.width, g.height);
  if (image_.size() != size) image_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
  drawn_.assign(lines.size(), {});
  if (image_.isNull()) return;  // no memory for it: drawn straight
  image_.fill(Qt::transparent);
  QPainter p(&image_);
  p.setRenderHint(QPainter::Antialiasing, true);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (plans[i].last == 0) continue;
    const Points& points = *lines[i].points;
    const Mapping m = mapping(g, lines[i]);
    // Start far enough left that the line's start shows nowhere in the field.
    const std::size_t start = startLeftOf(points, plans[i].first, 0, m, -g.margin);
    drawPolyline(p, points, start, plans[i].last, m, lines[i].color, plans[i].penWidth, g.scale, false);
    drawn_[i] = {start, Points(points.begin() + static_cast<std::ptrdiff_t>(start),
                               points.begin() + static_cast<std::ptrdiff_t>(plans[i].last))};
  }
}

void PlotLines::drawNew(const Geometry& g, const std::vector<Line>& lines, const std::vector<Plan>& plans) {
  // The image changes from a margin left of the last point drawn of any line
  // that has new points up to a margin right of the last point of all: that
  // part is cleared and every line drawn again there, in order, from a point a
  // margin further left.
  double from = image_.width();
  double to = 0.0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (plans[i].last == 0) continue;
    const Drawn& d = drawn_[i];
    const std::size_t end = d.start + d.drawn.size();
    const Mapping m = mapping(g, lines[i]);
    const double right = m.mapX((*lines[i].points)[plans[i].last - 1].first) + g.margin;
    to = std::isfinite(right) ? std::max(to, right) : image_.width();
    if (plans[i].last == end) continue;
    const double at = m.mapX((*lines[i].points)[end > d.start ? end - 1 : end].first) - g.margin;
    from = std::isfinite(at) ? std::min(from, at) : 0.0;
  }
  if (!(from < image_.width())) return;
  const int column = static_cast<int>(std::max(0.0, std::floor(from)));
  const int end = static_cast<int>(std::min<double>(image_.width(), std::ceil(to) + 1.0));
  const QRect changed(column, 0, std::max(0, end - column), image_.height());
  QPainter p(&image_);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(changed, Qt::transparent);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setClipRect(changed);
  p.setRenderHint(QPainter::Antialiasing, true);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (plans[i].last == 0) continue;
    const Points& points = *lines[i].points;
    const Mapping m = mapping(g, lines[i]);
    Drawn& d = drawn_[i];
    const std::size_t start = startLeftOf(points, plans[i].last - 1, d.start, m, column - g.margin);
    drawPolyline(p, points, start, plans[i].last, m, lines[i].color, plans[i].penWidth, g.scale, false);
    d.drawn.insert(d.drawn.end(), points.begin() + static_cast<std::ptrdiff_t>(d.start + d.drawn.size()),
                   points.begin() + static_cast<std::ptrdiff_t>(plans[i].last));
  }
}

}  // namespace kelpmark::widgets
