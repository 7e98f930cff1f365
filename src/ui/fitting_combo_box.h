// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drop-down whose closed box shows the chosen entry whole: an entry wider than
// the box's text field is drawn narrower rather than cut off.
#include <QComboBox>

namespace kelpmark::ui {

class FittingComboBox : public QComboBox {
  Q_OBJECT
 public:
  using QComboBox::QComboBox;
  // The face an entry's text is drawn with in the closed box.
  QFont drawFont(const QString& text) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The room the closed box has for its text.
  QRect textField() const;
};

}  // namespace kelpmark::ui
