// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arithmetic of a plot's scales: which points an X range shows, the range a
// Y axis fits to them, round tick steps and their labels.
#include <QChar>
#include <QString>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace kelpmark::widgets::plot_scale {

using Point = std::pair<double, double>;
using Points = std::vector<Point>;

struct Range {
  double min = 0.0;
  double max = 1.0;
  friend bool operator==(const Range&, const Range&) = default;
};

// The width of a range, 1 when it is empty or reversed.
double spanOf(const Range& range);

// Indices [first, last) of the points with xMin <= x <= xMax (points sorted by x).
std::pair<std::size_t, std::size_t> visibleSlice(const Points& points, double xMin, double xMax);
// Lowest and highest finite Y of the points with xMin <= x <= xMax, over all
// given series; nothing when there are none.
std::optional<Range> dataRange(const std::vector<const Points*>& series, double xMin, double xMax);
// The data range with a margin of 2.5 % of its spread each side; a flat range
// gets a margin of 5 % of its value, at least 0.5.
Range fitRange(const Range& data);
// The tick step for a range: the smallest round step (1, 2, 2.5 or 5 times a
// power of ten; 2.5 only with allowQuarters) that gives at most maxTicks ticks
// and at least minPixels between ticks on an axis lengthPixels long (and never
// below 0.01, the finest the labels show).
double tickStep(const Range& range, int maxTicks, int lengthPixels, int minPixels, bool allowQuarters);
// Multiples of step inside the range.
std::vector<double> tickValues(const Range& range, double step);
// A tick label: up to two decimals, trailing zeros dropped, no thousands
// separator ("###0.##").
QString formatTick(double value, QChar decimalPoint = QChar(u'.'));

}  // namespace kelpmark::widgets::plot_scale
