#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 the Zorvik developers
#
# The game's command line as a shell sees it: for each invocation the exit
# code, the one stream that may print, its number of lines and what it says.
# Usage: command_line_test.sh GAME VERSION
source "$(dirname "$0")/test_kit.sh"
game=$1
version=$2

# check NAME EXIT STREAM LINES PATTERN COMMAND... (LINES "-" for any number)
check() {
    local name=$1 want_exit=$2 stream=$3 lines=$4 pattern=$5
    shift 5
    "$@" >"$work/out" 2>"$work/err" </dev/null
    local got=$? quiet=err
    [ "$stream" = err ] && quiet=out
    if [ "$got" -ne "$want_exit" ]; then
        echo "FAIL $name: exit code $got, expected $want_exit"
    elif ! grep -qE -- "$pattern" "$work/$stream"; then
        echo "FAIL $name: std$stream does not match /$pattern/"
    elif [ "$lines" != - ] && [ "$(wc -l <"$work/$stream")" -ne "$lines" ]; then
        echo "FAIL $name: std$stream has $(wc -l <"$work/$stream") lines, expected $lines"
    elif [ -s "$work/$quiet" ]; then
        echo "FAIL $name: unexpected std$quiet"
    else
        return
    fi
    sed 's/^/  | /' "$work/out" "$work/err"
    failed=1
}

# Whatever display the test itself was given, these find none.
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
unreachable=(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "DISPLAY=$work/no-server:0")
needs_desktop="; the game needs a desktop session \(X11 or Wayland\)\.$"

check "version" 0 out 1 "^zorvik ${version//./\\.}$" "$game" --version
check "short version" 0 out 1 "^zorvik ${version//./\\.}$" "$game" -v
check "version without a display" 0 out 1 "^zorvik " "${headless[@]}" "$game" --version
check "help" 0 out - "^Usage: zorvik \[options\]$" "$game" --help
check "help lists --version" 0 out - "^ +-v, --version +" "$game" -h
check "unknown option" 2 err 1 "^zorvik: Unknown option 'fullscreen'\. Zorvik takes only --help and --version\.$" \
    "$game" --fullscreen
check "Qt's own option" 2 err 1 "Unknown option 'platform'" "$game" -platform offscreen
check "argument" 2 err 1 "Unexpected argument 'level7'" "$game" level7
check "value for --version" 2 err 1 "Unexpected value after '--version'" "$game" --version=2
check "no display set" 1 err 1 "^zorvik: no display could be opened \(neither DISPLAY nor WAYLAND_DISPLAY is set\)$needs_desktop" \
    "${headless[@]}" "$game"
check "display unreachable" 1 err 1 "^zorvik: no display could be opened \(DISPLAY=$work/no-server:0\)$needs_desktop" \
    "${unreachable[@]}" "$game"

exit $failed
