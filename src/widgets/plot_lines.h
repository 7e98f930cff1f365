// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The line series of a plot, and the image that keeps what was drawn of them.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <cstddef>
#include <vector>

#include "widgets/plot_scale.h"

class QPainter;

namespace kelpmark::widgets {

// Draws the lines of a plot into its field, without point marks: each line runs
// through the points inside the X range and on to its neighbours outside, so it
// reaches the field's edges; a lone point shows as a small dot; a point that is
// not finite breaks the line. Lines with no more points than the field has
// pixel columns are drawn 1.5 pixels wide, denser ones 1 pixel; when a line has
// more than four points a column, each column is reduced to its first, lowest,
// highest and last point.
//
// What was drawn is kept in an image of device pixels three fields wide. While
// the scales stay as they are (the field's size, the X units a pixel, the Y
// ranges, the screen's scale), a paint draws only what the points added since
// the last paint change and copies the rest, so that it costs the same after a
// year of points as after a day. The image is drawn afresh when a scale changes,
// when the X range moves out of it, and when a point already drawn has changed.
//
// X positions are taken on whole device pixels of the X range's start (the
// fraction of a pixel is rounded away), so that the lines move by whole pixels
// as the range slides and what is copied and what is drawn anew meet exactly.
class PlotLines {
 public:
  struct Line {
    const plot_scale::Points* points = nullptr;  // sorted by X; may be null
    QColor color;
    plot_scale::Range y;  // the range of the line's Y axis
  };

  // Draws the lines, in their order, into `field` (in the painter's
  // coordinates) for the X range `x`. The caller clips the painter to the field.
  void paint(QPainter& painter, const QRect& field, const plot_scale::Range& x,
             const std::vector<Line>& lines);
  // Paints from now on draw everything afresh.
  void clear();

 private:
  // What a paint shows of one line: the points [first, last) and its pen.
  struct Plan {
    std::size_t first = 0;
    std::size_t last = 0;
    double penWidth = 1.5;
    bool thinOut = false;
  };
  // What the image holds of one line: the points [start, start + drawn.size()).
  struct Drawn {
    std::size_t start = 0;
    plot_scale::Points drawn;
  };
  // Everything that, changed, makes the image useless.
  struct Scales {
    double deviceScale = 0;
    double xFraction = 0;  // of the field's first pixel centre
    double yFraction = 0;  // of the field's top edge
    QSize field;
    double xPixels = 0;  // device pixels per X unit
    std::vector<plot_scale::Range> y;
    std::vector<QColor> colors;
    std::vector<double> penWidths;
    friend bool operator==(const Scales&, const Scales&) = default;
  };

  struct Geometry;
  struct Mapping;

  // Draws points [first, last) as one polyline for each run of finite points
  // (a run of one point as a dot); `unit` is a widget pixel in the painter's
  // coordinates.
  static void drawPolyline(QPainter& painter, const plot_scale::Points& points, std::size_t first,
                           std::size_t last, const Mapping& m, const QColor& color, double penWidth,
                           double unit, bool thinOut);
  // The point to start drawing from so that a line looks right of `limit` as
  // the whole line does.
  static std::size_t startLeftOf(const plot_scale::Points& points, std::size_t from, std::size_t floor,
                                 const Mapping& m, double limit);
  bool keeps(const Scales& scales, double fieldColumn, int fieldWidth, const std::vector<Line>& lines,
             const std::vector<Plan>& plans) const;
  void drawDirect(QPainter& painter, const QRect& field, const plot_scale::Range& x,
                  const std::vector<Line>& lines, const std::vector<Plan>& plans) const;
  void drawAll(const Geometry& g, const std::vector<Line>& lines, const std::vector<Plan>& plans);
  void drawNew(const Geometry& g, const std::vector<Line>& lines, const std::vector<Plan>& plans);
  Mapping mapping(const Geometry& g, const Line& line) const;
  double fieldColumn(const Geometry& g) const;

  QImage image_;
  Scales scales_;
  double origin_ = 0;  // the X device pixel (on the X range's scale) at the image's column 0
  std::vector<Drawn> drawn_;
};

}  // namespace kelpmark::widgets
