# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian package of the game: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME kelpmark)
set(CPACK_PACKAGE_VENDOR "Vorlent Games")
set(CPACK_PACKAGE_CONTACT "Vorlent Games <kelpmark@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fish-trading company simulation set in 2001 (in Russian)")
set(CPACK_PACKAGE_DESCRIPTION
    "Kelpmark is an economic simulation for one player: build stores, market stalls and\n"
    "shops, hire staff, buy fish at an hourly changing wholesale price and sell it hour\n"
    "by hour, until the company holds the whole market. The game is in Russian.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kelpmark.example.org/")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries come from dpkg-shlibdeps; the fonts the windows name and Qt's
# own Russian texts are needed at run time only.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation | fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git(/|$)" "/build[^/]*/")
include(CPack)
