// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace kelpmark::widgets {

// A transparent label that draws its text with a one-pixel black drop shadow
// (black at +1,+1, then the text colour on top).
//
// The label draws the text it is given as it stands. A label whose caption goes
// through a format string ("Денег:  $%s") gets the expanded text from the window
// that binds it, which expands it with the game's own expander, so the screen
// shows exactly the text the game holds.
//
// A clickable label emits clicked() on a left click, shows the hand cursor and
// brightens its text while the mouse is over it.
class ShadowLabel : public QWidget {
  Q_OBJECT

 public:
  explicit ShadowLabel(QWidget* parent = nullptr);

  void setText(const QString& text);
  // The text as drawn.
  QString displayText() const { return display_; }

  void setTextColor(const QColor& color);  // default lime, #00FF00
  QColor textColor() const { return textColor_; }
  // Horizontal: left, centre or right; vertical: top (default) or centre.
  void setAlignment(Qt::Alignment alignment);
  Qt::Alignment alignment() const { return alignment_; }
  void setWordWrap(bool on);
  bool wordWrap() const { return wordWrap_; }
  void setBold(bool on);
  bool isBold() const { return bold_; }
  void setClickable(bool on);
  bool isClickable() const { return clickable_; }
  // A one-line text wider than the label is drawn narrower (the font's stretch
  // lowered, down to half) so that it stays whole.
  void setShrinkToFit(bool on);
  // The stretch the text is drawn with, in percent (100 when it fits as it is).
  int fittedStretch() const { return fitStretch_; }
  // Without the shadow the label draws its text alone.
  void setShadowVisible(bool on);
  bool shadowVisible() const { return shadow_; }
  // The font the text is drawn with (bold and fitted as set).
  QFont drawFont() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return wordWrap_; }
  int heightForWidth(int width) const override;

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fit();
  QFont naturalFont() const;
  int textFlags() const;
  QString display_;
  QColor textColor_{0, 255, 0};
  Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignTop;
  bool wordWrap_ = false;
  bool bold_ = false;
  bool clickable_ = false;
  bool shrinkToFit_ = false;
  bool shadow_ = true;
  int fitStretch_ = 100;
  bool hovered_ = false;
  bool pressed_ = false;
};

}  // namespace kelpmark::widgets
