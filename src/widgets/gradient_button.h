// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

namespace kelpmark::widgets {

// A push button filled with a vertical gradient from black at the top to lime at
// the bottom, with a navy caption in 12-pixel Arial. The gradient brightens
// quickly, so the caption sits on light green and stays readable.
//
// Pressed, the gradient turns upside down and the caption moves one pixel down
// and right; keyboard focus draws a dotted navy rectangle inside the edge; the
// mouse over the button lightens it a little. Space, Return and Enter press a
// button that has the keyboard focus. A disabled button is drawn in one
// of two tones, olive or red, with an engraved caption.
class GradientButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum class DisabledStyle { Red, Olive };

  static constexpr int kDesignHeight = 22;

  explicit GradientButton(QWidget* parent = nullptr);
  explicit GradientButton(const QString& text, QWidget* parent = nullptr);

  void setDisabledStyle(DisabledStyle style);  // default Red
  DisabledStyle disabledStyle() const { return disabledStyle_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  DisabledStyle disabledStyle_ = DisabledStyle::Red;
};

}  // namespace kelpmark::widgets
