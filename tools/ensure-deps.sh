#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 the Zorvik developers
#
# Makes sure the Debian packages that building (and, with "test", testing, or
# with "package", packaging) needs are installed: as root it installs the
# missing ones, otherwise it prints the one apt-get line to run. Where there is no apt-get (not Debian),
# it checks nothing and leaves CMake's find_package to name what is missing.
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-base-private-dev libgl-dev
          qt6-tools-dev qt6-l10n-tools libsdl2-dev libasound2-dev libxcb1-dev fonts-lato
          fonts-liberation fonts-dejavu-core)
packaging=(dpkg-dev file)
case "${1:-}" in
test) packages+=(libgtest-dev libgmock-dev libbenchmark-dev libx11-dev xvfb xdotool openbox imagemagick weston qt6-wayland
                 desktop-file-utils appstream appstream-compose groff-base
                 at-spi2-core python3-pyatspi dbus clang libclang-rt-14-dev
                 qt6-translations-l10n fonts-droid-fallback "${packaging[@]}") ;;
package) packages+=("${packaging[@]}") ;;
esac

if ! command -v apt-get >/dev/null || ! command -v dpkg-query >/dev/null; then
    exit 0
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    echo "Installing missing packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
else
    echo "Missing packages. Run:"
    echo "  sudo apt-get install -y ${missing[*]}"
    exit 1
fi
