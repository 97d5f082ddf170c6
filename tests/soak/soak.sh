#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 the Zorvik developers
#
# Plays the sanitizer-built game with random input for some minutes on a
# private X display with a window manager, then judges the run: no crash,
# no sanitizer report, no window left stuck, the game's heap growing less
# than 1 MiB between the first minute and the end.
# Usage: soak.sh BUILD_DIR MINUTES [SEED]
set -uo pipefail

build=$1 minutes=$2 seed=${3:-}
soak=$build/tests/soak/zorvik_soak
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
started=()
finish() {
    for ((i = ${#started[@]} - 1; i >= 0; --i)); do kill "${started[i]}" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT
fail() { echo "soak: $*" >&2; exit 1; }

[ -x "$soak" ] || fail "$soak is missing: run 'make soak'"
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime SDL_AUDIODRIVER=dummy
mkdir -m 700 "$XDG_RUNTIME_DIR"
# No quarantine: freed memory held back from reuse would read as growth
# (16 MiB of it grew the game by 5 MiB in the second minute). Overflows and
# leaks are still caught; the system's D-Bus library leaks at exit.
export ASAN_OPTIONS=quarantine_size_mb=0:thread_local_quarantine_size_kb=0:detect_leaks=1
export LSAN_OPTIONS=suppressions=$here/../e2e/lsan.supp:print_suppressions=0

. "$here/../kit/private_display.sh"
start_private_display "${ZORVIK_SOAK_DISPLAY_FROM:-170}" 1920x1080x24 "$work/display" ||
    fail "no private display"

echo "soak: playing for $minutes minutes on $DISPLAY"
# The run's own limit: its minutes and some for start and end.
timeout --signal=KILL $((minutes * 60 + 120)) "$soak" "$minutes" ${seed:+"$seed"} >"$work/out" 2>"$work/err"
status=$?
cat "$work/out"
reports=$(grep -cE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$work/err")
crashes=$((status > 128 ? 1 : 0))
echo "soak: crashes $crashes, sanitizer reports $reports, exit code $status"
if [ "$status" -ne 0 ] || [ "$reports" -ne 0 ]; then
    tail -n 60 "$work/err" >&2
    fail "failed"
fi
echo "soak: passed"
