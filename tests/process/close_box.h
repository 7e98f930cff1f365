// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The close box of a window on the X display: what a window manager sends to a
// program when the player clicks it.
#include <string>

// Asks the window with this id (decimal, as xdotool prints it) to close; false when
// the display or the window cannot be reached.
bool clickCloseBox(const std::string& windowId);
