# SPDX-License-Identifier: MIT
# Copyright (c) 2026 the Zorvik developers
# The Debian package, made by CPack (`make package`, which builds it with
# Debian's layout: prefix /usr, the game in /usr/games). Its dependencies are
# read from the binary by dpkg-shlibdeps; SDL, which the game loads only
# once its first frame is shown, and the fonts the windows ask for are added
# by name, as nothing links them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvik)
set(CPACK_PACKAGE_VENDOR "the Zorvik developers")
set(CPACK_PACKAGE_CONTACT "The Zorvik developers <zorvik@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "snake game for one player or two players on one keyboard")
set(CPACK_PACKAGE_DESCRIPTION [=[
Zorvik is a snake game for the desktop. Each player steers a snake across a
board of 30 by 30 cells, eats the food that appears on it, grows and scores;
a snake dies when its head runs onto its own body or onto a wall.

Two players share one keyboard: player 1 steers with the arrow keys and bites
with Ctrl, player 2 steers with W, A, S and D and bites with Tab. A classic
game is played on the open board; a campaign climbs through seven levels of
walls.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZORVIK_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libsdl2-2.0-0 (>= 2.26), fonts-lato, fonts-liberation, fonts-dejavu-core")
# Qt's Wayland platform plugin: without it a Wayland session runs the game
# through XWayland. Qt's own words (a message box's buttons) in the desktop's
# language, and a face with Chinese and Japanese letters, which the game's
# faces lack (DejaVu Sans already has Arabic and Cyrillic).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-wayland, qt6-translations-l10n, fonts-noto-cjk | fonts-droid-fallback")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# A Debian package carries a changelog in Debian's format, dated in RFC 2822
# form: CMake writes that date from the days since 1970 of the release date.
string(REGEX MATCH "^([0-9]+)-0?([0-9]+)-0?([0-9]+)$" matched ${ZORVIK_RELEASE_DATE})
set(year ${CMAKE_MATCH_1})
set(month ${CMAKE_MATCH_2})
set(day ${CMAKE_MATCH_3})
# Years counted from March, so the leap day comes last.
if(month LESS_EQUAL 2)
    math(EXPR year "${year} - 1")
    math(EXPR month "${month} + 9")
else()
    math(EXPR month "${month} - 3")
endif()
math(EXPR epoch "(${year} * 365 + ${year} / 4 - ${year} / 100 + ${year} / 400 \
                  + (153 * ${month} + 2) / 5 + ${day} - 1 - 719468) * 86400")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(outer_epoch "$ENV{SOURCE_DATE_EPOCH}")
endif()
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
if(DEFINED outer_epoch)
    set(ENV{SOURCE_DATE_EPOCH} "${outer_epoch}")
else()
    unset(ENV{SOURCE_DATE_EPOCH})
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in changelog @ONLY)
add_custom_command(OUTPUT changelog.gz
    COMMAND gzip -9 -n -f -k changelog
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog)
add_custom_target(zorvik_changelog ALL DEPENDS changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/zorvik)

include(CPack)
