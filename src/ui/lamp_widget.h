// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A speed lamp: lit or unlit picture; a click on either sets its speed.
#include <QWidget>

class QSvgRenderer;

namespace kelpmark::ui {

class LampWidget : public QWidget {
  Q_OBJECT
 public:
  explicit LampWidget(QWidget* parent = nullptr);
  void setLit(bool lit);
  bool isLit() const { return lit_; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool lit_ = false;
  QSvgRenderer* on_;
  QSvgRenderer* off_;
};

}  // namespace kelpmark::ui
