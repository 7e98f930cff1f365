// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dot_matrix_ticker.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "widgets/accessible_widgets.h"
#include "widgets/dot_matrix_font.h"

namespace kelpmark::widgets {
namespace {

const QRgb kLitDot = qRgb(255, 255, 0);
const QRgb kUnlitDot = qRgb(94, 94, 0);
const QRgb kBackground = qRgb(0, 0, 0);
const QRgb kBorderLight = qRgb(170, 44, 44);
const QRgb kBorderDark = qRgb(64, 0, 0);

// The dot field at design size: 105 columns and 7 rows at a pitch of two pixels,
// without the gap after the last dot.
constexpr int kFieldWidth = 2 * DotMatrixTicker::kVisibleColumns - 1;
constexpr int kFieldHeight = 2 * DotMatrixTicker::kRows - 1;

void fillRect(QImage& image, int x, int y, int w, int h, QRgb colour) {
  const int x0 = std::max(x, 0);
  const int y0 = std::max(y, 0);
  const int x1 = std::min(x + w, image.width());
  const int y1 = std::min(y + h, image.height());
  for (int yy = y0; yy < y1; ++yy) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(yy));
    std::fill(line + x0, line + x1, colour);
  }
}

}  // namespace

DotMatrixTicker::DotMatrixTicker(QWidget* parent) : QWidget(parent) {
  installAccessibleWidgets();
  setAttribute(Qt::WA_OpaquePaintEvent);
  timer_.setInterval(kStepIntervalMs);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &DotMatrixTicker::scrollStep);
}

void DotMatrixTicker::setText(const QString& text) {
  if (text == text_) return;
  const bool continues = !text_.isEmpty() && text.startsWith(text_);
  text_ = text;
  columns_.clear();
  columns_.reserve(static_cast<std::size_t>(text_.size()) * DotMatrixFont::kWidth);
  for (const QChar c : text_) {
    const DotGlyph& g = DotMatrixFont::glyph(c);
    for (int col = 0; col < DotMatrixFont::kWidth; ++col) columns_.push_back(DotMatrixFont::column(g, col));
  }
  offset_ = continues ? offset_ % cycleLength() : 0;
  update();
  notifyAccessibleValueChanged(this, text_.simplified());
}

void DotMatrixTicker::start() {
  if (!timer_.isActive()) timer_.start();
}

void DotMatrixTicker::stop() { timer_.stop(); }

int DotMatrixTicker::cycleLength() const {
  return std::max(static_cast<int>(columns_.size()), kVisibleColumns);
}

std::uint8_t DotMatrixTicker::visibleColumn(int index) const {
  if (index < 0 || index >= kVisibleColumns) return 0;
  const auto column = static_cast<std::size_t>((offset_ + index) % cycleLength());
  return column < columns_.size() ? columns_[column] : std::uint8_t{0};
}

void DotMatrixTicker::scrollStep() {
  offset_ = (offset_ + 1) % cycleLength();
  update();
}

QSize DotMatrixTicker::sizeHint() const { return {kDesignWidth, kDesignHeight}; }

QSize DotMatrixTicker::minimumSizeHint() const { return sizeHint(); }

void DotMatrixTicker::paintEvent(QPaintEvent*) {
  // Everything is drawn into an image in device pixels so that dots, gaps and
  // border stay whole pixels at any scale.
  const qreal dpr = devicePixelRatioF();
  const int w = std::max(1, static_cast<int>(std::lround(width() * dpr)));
  const int h = std::max(1, static_cast<int>(std::lround(height() * dpr)));

  // Device pixels per design pixel. At a fractional scale each dot starts on
  // the device pixel nearest its scaled place and is round(scale) pixels wide,
  // so the matrix fills the frame and every dot is a crisp square; the gaps
  // then differ by at most one pixel.
  const double scale = std::max(1.0, std::min(double(w) / kDesignWidth, double(h) / kDesignHeight));
  const int dot = std::max(1, static_cast<int>(std::floor(scale + 0.5)));
  const auto place = [scale](int design) { return static_cast<int>(std::floor(design * scale + 0.5)); };
  const int left = (w - place(kDesignWidth)) / 2;
  const int top = (h - place(kDesignHeight)) / 2;

  QImage image(w, h, QImage::Format_RGB32);
  image.fill(kBackground);

  // Raised border: light on the top and left, dark on the bottom and right.
  const int k = dot;
  fillRect(image, 0, 0, w, k, kBorderLight);
  fillRect(image, 0, 0, k, h, kBorderLight);
  fillRect(image, 0, h - k, w, k, kBorderDark);
  fillRect(image, w - k, k, k, h - k, kBorderDark);

  // The dot field lies centred in the design frame, one design pixel per dot and gap.
  const int fieldLeft = (kDesignWidth - kFieldWidth) / 2;
  const int fieldTop = (kDesignHeight - kFieldHeight) / 2;
  for (int col = 0; col < kVisibleColumns; ++col) {
    const std::uint8_t bits = visibleColumn(col);
    const int x = left + place(fieldLeft + 2 * col);
    for (int row = 0; row < kRows; ++row) {
      const QRgb colour = (bits & (1u << row)) != 0 ? kLitDot : kUnlitDot;
      fillRect(image, x, top + place(fieldTop + 2 * row), dot, dot, colour);
    }
  }

  image.setDevicePixelRatio(dpr);
  QPainter painter(this);
  painter.drawImage(QPointF(0, 0), image);
}

}  // namespace kelpmark::widgets
