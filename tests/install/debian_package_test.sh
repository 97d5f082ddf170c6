#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 the Zorvik developers
#
# Builds the Debian package from the built game with CPack and reads it back:
# the files it installs and the control fields a package manager acts on.
# (Installing it with apt-get is left to a release check: it needs root.)
# Usage: debian_package_test.sh BUILD_DIR APP_ID VERSION
source "$(dirname "$0")/test_kit.sh"
build=$1
id=$2
version=$3

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    exit 1
}
debs=("$work"/zorvik_"$version"_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { fail "no zorvik_${version}_*.deb among: $(ls "$work")"; exit 1; }

bindir=$(sed -n 's/^CMAKE_INSTALL_BINDIR:PATH=//p' "$build/CMakeCache.txt")
dpkg-deb -c "$deb" | awk '{ print $NF }' >"$work/files"
for path in "./usr/$bindir/zorvik" \
    "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" \
    "./usr/share/icons/hicolor/16x16/apps/$id.png" \
    "./usr/share/icons/hicolor/512x512/apps/$id.png" \
    ./usr/share/man/man6/zorvik.6.gz \
    ./usr/share/doc/zorvik/copyright \
    ./usr/share/doc/zorvik/changelog.gz; do
    grep -qxF "$path" "$work/files" || fail "the package lacks $path"
done

control() { dpkg-deb -f "$deb" "$1"; }
[ "$(control Package)" = zorvik ] || fail "Package: $(control Package)"
[ "$(control Version)" = "$version" ] || fail "Version: $(control Version), not $version"
[ "$(control Section)" = games ] || fail "Section: $(control Section)"
# Read from the binary by dpkg-shlibdeps (libc6, Qt), and by name SDL, which
# the game loads once it is shown and which plays the sounds itself, without
# SDL2_mixer, and the fonts.
depends=$(control Depends)
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libsdl2-2.0-0 \
    fonts-lato fonts-liberation fonts-dejavu-core; do
    grep -qE "(^|, )$package( \(|,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
[[ $depends != *mixer* ]] || fail "Depends names SDL2_mixer: $depends"
recommends=$(control Recommends)
for package in qt6-wayland qt6-translations-l10n fonts-noto-cjk; do
    [[ $recommends == *$package* ]] || fail "Recommends lacks $package: $recommends"
done

exit $failed
