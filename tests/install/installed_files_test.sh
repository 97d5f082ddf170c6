#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 the Zorvik developers
#
# Installs the built game under a temporary prefix, as `cmake --install
# --prefix` does for a player, and checks that every file lands where a
# desktop looks for it, that the desktop entry and the metainfo pass their
# validators, that a software centre's catalog finds the game with its icon,
# and that the menu's command runs the installed game.
# Usage: installed_files_test.sh BUILD_DIR APP_ID VERSION
source "$(dirname "$0")/test_kit.sh"
build=$1
id=$2
version=$3
# An unusual prefix, to show that nothing assumes /usr.
prefix=/opt/zorvik-test
root=$work/root

cmake --install "$build" --prefix "$root$prefix" >"$work/install.log" || {
    cat "$work/install.log"
    exit 1
}
bindir=$(sed -n 's/^CMAKE_INSTALL_BINDIR:PATH=//p' "$build/CMakeCache.txt")
share=$root$prefix/share
desktop=$share/applications/$id.desktop
metainfo=$share/metainfo/$id.metainfo.xml

# Where the XDG specifications and Debian look, and what each file is.
expect() {
    local path=$1 kind=$2
    [ -f "$path" ] || { fail "missing: ${path#$root}"; return; }
    file -b "$path" | grep -q -- "$kind" || fail "${path#$root} is $(file -b "$path"), not $kind"
}
expect "$root$prefix/$bindir/zorvik" "ELF .* executable"
expect "$desktop" "text"
expect "$metainfo" "XML"
expect "$share/man/man6/zorvik.6.gz" "gzip compressed"
expect "$share/doc/zorvik/copyright" "text"
expect "$share/doc/zorvik/changelog.gz" "gzip compressed"
for size in 16 22 24 32 48 64 128 256 512; do
    expect "$share/icons/hicolor/${size}x${size}/apps/$id.png" "PNG image data, $size x $size,"
done

# The validators, with nothing to report: no error, no warning, no hint.
if ! output=$(desktop-file-validate "$desktop" 2>&1) || [ -n "$output" ]; then
    fail "desktop-file-validate: $output"
fi
appstreamcli validate --no-net --strict --no-color "$metainfo" >"$work/validate.log" 2>&1 ||
    fail "appstreamcli validate: $(cat "$work/validate.log")"

# The entry starts the installed program by name and shows the installed icon;
# the metainfo launches that entry, provides that program and has this version.
field() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(field Exec)" = zorvik ] || fail "Exec=$(field Exec), not the installed zorvik"
[ "$(field Icon)" = "$id" ] || fail "Icon=$(field Icon), not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
grep -q "<binary>zorvik</binary>" "$metainfo" || fail "the metainfo does not provide zorvik"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"

# A software centre's catalog, as distributions compose it from the files.
if appstreamcli compose --no-net --no-color --prefix="$prefix" --origin=zorvik \
    --result-root="$work/catalog" "$root" >"$work/compose.log" 2>&1; then
    catalog=$(zcat "$work/catalog$prefix/share/swcatalog/xml/zorvik.xml.gz")
    grep -q "<id>$id</id>" <<<"$catalog" || fail "the catalog lacks $id"
    grep -q '<icon type="cached" width="64" height="64">' <<<"$catalog" ||
        fail "the catalog found no icon"
else
    fail "appstreamcli compose: $(cat "$work/compose.log")"
fi

# The manual page formats without a warning.
if ! output=$(zcat "$share/man/man6/zorvik.6.gz" | groff -t -man -ww -z 2>&1) || [ -n "$output" ]; then
    fail "groff: $output"
fi

# The menu runs Exec's program from the PATH.
exec_program=$(field Exec)
output=$(export PATH="$root$prefix/$bindir:$PATH" && "$exec_program" --version 2>&1) &&
    [ "$output" = "zorvik $version" ] || fail "Exec's program printed: $output"

exit $failed
