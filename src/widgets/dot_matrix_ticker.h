// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <vector>

namespace kelpmark::widgets {

// A one-line dot-matrix news display. It shows 21 characters of the built-in
// 5 x 7 dot font: one-pixel dots with one pixel between them (ten pixels per
// character), lit dots yellow and unlit dots dark olive on black, inside a raised
// maroon border with three pixels of black around the dots.
//
// While running, the text scrolls leftwards one dot column every 200 ms. The text
// is laid out as a loop of dot columns: when its end has passed, it starts over.
// A text shorter than the display is padded with dark columns to the display's
// width, so it runs off the left edge and comes back in from the right.
//
// At 217 x 21 (the design size) every dot is one pixel. On a scaled screen, or in
// a larger widget, the matrix grows with it to fill the frame, every dot a square
// of whole device pixels (two at a scale of 1.5 and 2, with gaps of one and two).
class DotMatrixTicker : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kCharacters = 21;
  static constexpr int kVisibleColumns = kCharacters * 5;  // dot columns on the display
  static constexpr int kRows = 7;
  static constexpr int kStepIntervalMs = 200;
  static constexpr int kDesignWidth = 217;
  static constexpr int kDesignHeight = 21;

  explicit DotMatrixTicker(QWidget* parent = nullptr);

  // Replaces the text. Setting the same text again changes nothing; a text
  // that continues the current one (the current text plus more) keeps the
  // scroll position; any other text starts from its first column.
  void setText(const QString& text);
  QString text() const { return text_; }

  void start();
  void stop();
  bool isRunning() const { return timer_.isActive(); }

  // Dot columns of one pass: five per character, at least the display width.
  int cycleLength() const;
  // How far the text has scrolled, in dot columns (0 .. cycleLength() - 1).
  int scrollOffset() const { return offset_; }
  // The dots shown in display column index (0 = left, up to kVisibleColumns - 1):
  // bit r is row r, top row 0.
  std::uint8_t visibleColumn(int index) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 public slots:
  // Scrolls the text one dot column to the left (what the timer does every 200 ms).
  void scrollStep();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  std::vector<std::uint8_t> columns_;  // the text as dot columns, five per character
  int offset_ = 0;
  QTimer timer_;
};

}  // namespace kelpmark::widgets
