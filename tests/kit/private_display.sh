#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 the Zorvik developers
#
# A private X display with a window manager, for everything that runs the
# game's real windows: the end-to-end and accessibility tests, the soak and
# the measurements.
#
# Sourced, `start_private_display FROM SCREEN LOGS` starts Xvfb on the first
# free display from :FROM with a screen of SCREEN (WIDTHxHEIGHTxDEPTH) and
# openbox on it, exports DISPLAY and appends both processes to the caller's
# `started` array, for the caller to end newest first. Their logs are
# LOGS-xvfb.log and LOGS-openbox.log.
#
# Run as `private_display.sh FROM SCREEN LOGS`, it does the same, prints the
# display (":N") once the window manager is in charge, and holds both until
# it is ended.

start_private_display() {
    local from=$1 screen=$2 logs=$3 pipe n taken xvfb display=
    # Xvfb writes its display number to the pipe once it takes connections,
    # and exits without a word when another server holds the number. It never
    # resets: by default it starts over each time its last client leaves, and
    # a poll that came and went before the window manager had connected would
    # pull the display from under it.
    pipe=$(mktemp -u "${TMPDIR:-/tmp}/zorvik-display.XXXXXX")
    mkfifo "$pipe" || return 1
    for ((n = from; n < from + 100; ++n)); do
        Xvfb ":$n" -screen 0 "$screen" -nolisten tcp -noreset -displayfd 3 3>"$pipe" \
            >>"$logs-xvfb.log" 2>&1 &
        xvfb=$!
        if read -r -t 30 taken <"$pipe" && [ "$taken" = "$n" ]; then
            started+=("$xvfb")
            display=:$n
            break
        fi
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    done
    rm -f "$pipe"
    if [ -z "$display" ]; then
        echo "no free X display from :$from; see $logs-xvfb.log" >&2
        return 1
    fi
    export DISPLAY=$display

    # Windows do not stick to the edges of others and of the screen, so that
    # a window goes exactly where it is dragged.
    sed -E 's/strength>[0-9]+</strength>0</' /etc/xdg/openbox/rc.xml >"$logs-openbox.xml"
    openbox --config-file "$logs-openbox.xml" >"$logs-openbox.log" 2>&1 &
    local openbox=$!
    started+=("$openbox")
    # The window manager is in charge once it answers for the desktops.
    local deadline=$((SECONDS + 60))
    until xdotool get_num_desktops >/dev/null 2>&1; do
        if ! kill -0 "$openbox" 2>/dev/null || ((SECONDS >= deadline)); then
            echo "the window manager did not start; see $logs-openbox.log" >&2
            return 1
        fi
        sleep 0.05
    done
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -u
    started=()
    finish() {
        for ((i = ${#started[@]} - 1; i >= 0; --i)); do
            kill "${started[i]}" 2>/dev/null
            wait "${started[i]}" 2>/dev/null
        done
    }
    trap finish EXIT
    trap 'exit 0' TERM INT
    start_private_display "$@" || exit 1
    echo "$DISPLAY"
    wait
fi
