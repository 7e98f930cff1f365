// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shared look of the game's windows.
#include <QColor>
#include <QFont>
#include <QString>
#include <functional>

class QHBoxLayout;
class QScreen;
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

// The game's tables: lime figures on navy under green headers.
QString navyTableStyle();
// "Ok" and "Help" side by side in the middle of a row, as the windows have them
// at the bottom; each calls its function when pressed.
QHBoxLayout* okHelpRow(QWidget* window, const std::function<void()>& ok, const std::function<void()>& help);

// Puts a top-level window, its frame included, in the middle of its screen; one
// larger than the screen keeps its title bar on it.
void centreOnScreen(QWidget* w);
// Shrinks a top-level window, its frame included, to fit the free area of a
// screen (the window's own when none is given).
void fitToScreen(QWidget* w, const QScreen* screen = nullptr);

}  // namespace kelpmark::ui
