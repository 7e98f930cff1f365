// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/plot_scale.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace kelpmark::widgets::plot_scale {
namespace {

constexpr double kMargin = 0.025;     // share of the data spread added above and below
constexpr double kFinestStep = 0.01;  // the labels show two decimals at most

}  // namespace

double spanOf(const Range& r) {
  const double span = r.max - r.min;
  return span > 0.0 ? span : 1.0;
}

std::pair<std::size_t, std::size_t> visibleSlice(const Points& points, double xMin, double xMax) {
  const auto first = std::lower_bound(points.begin(), points.end(), xMin,
                                      [](const Point& p, double x) { return p.first < x; });
  const auto last =
      std::upper_bound(first, points.end(), xMax, [](double x, const Point& p) { return x < p.first; });
  return {static_cast<std::size_t>(first - points.begin()), static_cast<std::size_t>(last - points.begin())};
}

std::optional<Range> dataRange(const std::vector<const Points*>& series, double xMin, double xMax) {
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

Range fitRange(const Range& data) {
  const double spread = data.max - data.min;
  if (spread > std::max(std::abs(data.max), std::abs(data.min)) * 1e-9) {
    const double pad = spread * kMargin;
    return {data.min - pad, data.max + pad};
  }
  const double pad = std::max(std::abs(data.max) * 0.05, 0.5);
  return {data.min - pad, data.max + pad};
}

double tickStep(const Range& range, int maxTicks, int lengthPixels, int minPixels, bool allowQuarters) {
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

std::vector<double> tickValues(const Range& range, double step) {
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

QString formatTick(double value, QChar decimalPoint) {
  QString s = QString::number(value, 'f', 2);
  if (s.contains(u'.')) {
    while (s.endsWith(u'0')) s.chop(1);
    if (s.endsWith(u'.')) s.chop(1);
  }
  if (s == QLatin1String("-0")) s = QStringLiteral("0");
  s.replace(u'.', decimalPoint);
  return s;
}

}  // namespace kelpmark::widgets::plot_scale
