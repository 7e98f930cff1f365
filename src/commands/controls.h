// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plain state of the controls the rules read and write.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/text.h"
#include "model/text_format.h"

namespace kelpmark {

// A label that draws its caption through a format string ("%s" stands for the
// caption); a window in another language draws it through its own format.
struct FormattedLabel {
  Marked format{nullptr, "%s"};
  std::string caption;
  std::string text() const { return applyFormat(format.source, caption); }
};

// A numeric spin edit: integer value, minimum, maximum and step.
struct SpinEdit {
  int32_t value = 0;
  int32_t minValue = 0;
  int32_t maxValue = 10000;
  int32_t increment = 100;
  bool enabled = false;
  int32_t clamp(int64_t v) const {
    if (v < minValue) return minValue;
    if (v > maxValue) return maxValue;
    return static_cast<int32_t>(v);
  }
};

// One line of an XY plot.
struct ChartLine {
  std::vector<std::pair<double, double>> points;
  void add(double x, double y) { points.emplace_back(x, y); }
  void clear() { points.clear(); }
};

}  // namespace kelpmark
