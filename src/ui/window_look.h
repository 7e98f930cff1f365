// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shared look of the game's windows.
#include <QColor>
#include <QFont>

class QWidget;

namespace kelpmark::ui {

const QColor kMainBackground(0, 128, 64);
const QColor kDialogBackground(0, 117, 58);
const QColor kLime(0, 255, 0);
const QColor kNavy(0, 0, 128);

// Arial (Liberation Sans on Linux) at a pixel size.
QFont arialPx(int pixels, bool bold = false);
// The status labels' face: MS Sans Serif 13 px, mapped to a sans face here.
QFont statusFont();

void setMainBackground(QWidget* w);
void setDialogBackground(QWidget* w);

// Puts a top-level window, its frame included, in the middle of its screen.
void centreOnScreen(QWidget* w);

}  // namespace kelpmark::ui
