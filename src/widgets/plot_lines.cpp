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

// Where a point lands: X at (x * xScale - xShift) + xOffset, Y at
// yOffset - (y - yOrigin) * yScale.
struct Mapping {
  double xScale = 1.0;
  double xShift = 0.0;
  double xOffset = 0.0;
  double yOrigin = 0.0;
  double yScale = 1.0;
  double yOffset = 0.0;
  double mapX(double x) const { return (x * xScale - xShift) + xOffset; }
  double mapY(double y) const { return yOffset - (y - yOrigin) * yScale; }
};

Mapping yMapping(Mapping m, const Range& y, double fieldPixels, double bottom) {
  m.yOrigin = y.min;
  m.yScale = fieldPixels / spanOf(y);
  m.yOffset = bottom;
  return m;
}

bool finite(const Point& p) { return std::isfinite(p.first) && std::isfinite(p.second); }

// The point to start drawing from so that a line looks the same right of
// `limit` as the whole line: going back from `from` (not below `floor`), the
// first finite point at `limit` or left of it. A break does not end the search:
// the points before it are drawn up to it.
std::size_t startLeftOf(const Points& points, std::size_t from, std::size_t floor, const Mapping& m,
                        double limit) {
  std::size_t start = from;
  while (start > floor && !(finite(points[start]) && m.mapX(points[start].first) <= limit)) --start;
  return start;
}

// Draws points [first, last) as one polyline for each run of finite points (a
// run of one point as a dot). `unit` is a widget pixel in the painter's
// coordinates.
void drawPolyline(QPainter& painter, const Points& points, std::size_t first, std::size_t last,
                  const Mapping& m, const QColor& color, double penWidth, double unit, bool thinOut) {
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

}  // namespace

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
  const double scale = device.m11();
  const double xPixels = scale * (field.width() - 1) / spanOf(x);
  // The X range's start, on whole device pixels.
  const double rangeStart = std::round(x.min * xPixels);
  const bool keepable = !thinOut && device.type() <= QTransform::TxScale && scale > 0.0 &&
                        device.m22() == scale && std::abs(rangeStart) < 1e12;
  if (!keepable) {
    // Drawn straight onto the painter, in widget pixels.
    clear();
    Mapping m;
    m.xScale = (field.width() - 1) / spanOf(x);
    m.xShift = x.min * m.xScale;
    m.xOffset = field.left() + 0.5;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (plans[i].last == 0) continue;
      drawPolyline(painter, *lines[i].points, plans[i].first, plans[i].last,
                   yMapping(m, lines[i].y, field.height() - 1, field.bottom() + 0.5), lines[i].color,
                   plans[i].penWidth, 1.0, plans[i].thinOut);
    }
    return;
  }

  // The field in device pixels: the centre of its first column falls on
  // firstCentre, its top edge on top.
  const double firstCentre = device.dx() + scale * (field.left() + 0.5);
  const double centreWhole = std::floor(firstCentre);
  const double left = std::floor(device.dx() + scale * field.left());
  const int width = static_cast<int>(std::ceil(device.dx() + scale * (field.right() + 1)) - left);
  const double top = device.dy() + scale * field.top();
  const double topWhole = std::floor(top);
  const int height = static_cast<int>(std::ceil(top + scale * field.height()) - topWhole);
  Scales scales{scale, firstCentre - centreWhole, top - topWhole, field.size(), xPixels, {}, {}, {}};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    scales.y.push_back(lines[i].y);
    scales.colors.push_back(lines[i].color);
    scales.penWidths.push_back(plans[i].penWidth);
  }
  // Image columns are device pixels on the X range's scale, less origin_; the
  // image column under the field's left edge:
  const double fieldOffset = left - centreWhole;
  auto fieldColumn = [&] { return fieldOffset + rangeStart - origin_; };
  // A margin wider than what a point's pen, join or dot covers beside it.
  const double margin = std::ceil(kDotRadius * scale) + 1.0;
  auto mapping = [&](const Line& line) {
    Mapping m;
    m.xScale = xPixels;
    m.xShift = origin_;
    m.xOffset = scales.xFraction;
    return yMapping(m, line.y, scale * (field.height() - 1),
                    scales.yFraction + scale * (field.height() - 0.5));
  };

  if (!keeps(scales, fieldColumn(), width, lines, plans)) {
    scales_ = scales;
    origin_ = rangeStart + fieldOffset;
    const QSize size(3 * width, height);
    if (image_.size() != size) image_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    image_.fill(Qt::transparent);
    drawn_.assign(lines.size(), {});
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (plans[i].last == 0) continue;
      const Points& points = *lines[i].points;
      const Mapping m = mapping(lines[i]);
      // Start far enough left that the line's start shows nowhere in the field.
      const std::size_t start = startLeftOf(points, plans[i].first, 0, m, -margin);
      drawPolyline(p, points, start, plans[i].last, m, lines[i].color, plans[i].penWidth, scale, false);
      drawn_[i] = {start, Points(points.begin() + static_cast<std::ptrdiff_t>(start),
                                 points.begin() + static_cast<std::ptrdiff_t>(plans[i].last))};
    }
  } else {
    // The image changes from a margin left of the last point drawn of any line
    // that has new points up to a margin right of the last point of all: that
    // part is cleared and every line drawn again there, in order, from a point
    // a margin further left.
    double from = image_.width();
    double to = 0.0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (plans[i].last == 0) continue;
      const Drawn& d = drawn_[i];
      const std::size_t end = d.start + d.drawn.size();
      const Mapping m = mapping(lines[i]);
      const double right = m.mapX((*lines[i].points)[plans[i].last - 1].first) + margin;
      to = std::isfinite(right) ? std::max(to, right) : image_.width();
      if (plans[i].last == end) continue;
      const double at = m.mapX((*lines[i].points)[end > d.start ? end - 1 : end].first) - margin;
      from = std::isfinite(at) ? std::min(from, at) : 0.0;
    }
    if (from < image_.width()) {
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
        const Mapping m = mapping(lines[i]);
        Drawn& d = drawn_[i];
        const std::size_t start = startLeftOf(points, plans[i].last - 1, d.start, m, column - margin);
        drawPolyline(p, points, start, plans[i].last, m, lines[i].color, plans[i].penWidth, scale, false);
        d.drawn.insert(d.drawn.end(), points.begin() + static_cast<std::ptrdiff_t>(d.start + d.drawn.size()),
                       points.begin() + static_cast<std::ptrdiff_t>(plans[i].last));
      }
    }
  }

  // The part of the image under the field, copied pixel for pixel.
  painter.save();
  const QTransform base = painter.worldTransform().inverted() * device;
  painter.setWorldTransform(base.inverted());
  painter.drawImage(QPointF(left, topWhole), image_, QRectF(fieldColumn(), 0, width, height));
  painter.restore();
}

}  // namespace kelpmark::widgets
