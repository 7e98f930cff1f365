# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian 12 packages the game and its tests need (qt6-translations-l10n has
# Qt's own texts in Russian; qt6-l10n-tools has lupdate and lrelease, and
# qt6-tools-dev the CMake functions that run them).
BUILD_PACKAGES=(build-essential cmake qt6-base-dev qt6-svg-dev libgl-dev
  fonts-liberation fonts-dejavu-core qt6-translations-l10n qt6-l10n-tools qt6-tools-dev)
# appstream and desktop-file-utils validate what the installation puts on a desktop;
# x11-utils (xprop, xwininfo) reads the window titles the window tests check;
# xdotool presses the player's keys in the real game on a virtual display.
TEST_PACKAGES=(libgtest-dev libgmock-dev xvfb xauth x11-utils xdotool locales appstream
  desktop-file-utils)
# A second compiler for the warnings check, and the runtime of its sanitizers and
# of libFuzzer.
CLANG_PACKAGES=(clang libclang-rt-14-dev)
# The Debian package's build (debian/control's Build-Depends come on top of
# BUILD_PACKAGES) and its check.
PACKAGE_PACKAGES=(debhelper dpkg-dev lintian)
