#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 the Zorvik developers
#
# Measures the Release game as a player runs it, on a private X display with
# a window manager: the time from launch to the first painted frame; the CPU
# of a two-player game at the fastest speed, steered with keys, beside the
# floor program (a bare Qt window doing the least a snake game can do), at
# scale 1 and 2, with a gamepad plugged in and with the computer playing
# player 2; the game's peak memory; the
# wakeups of a running and a paused game with and without a pad; and the
# period of its ticks over minutes of steered play, whose mean is the pace
# the players feel. The game is started as a player starts it: its sound
# goes wherever SDL finds a device, and where there is none it is off.
#
# Usage: bench/measure.sh [BUILD_DIR]. The ticks are timed over
# $ZORVIK_MEASURE_PLAY_SECONDS (default 90) of play at each speed. It takes the first free X display
# from :$ZORVIK_MEASURE_DISPLAY_FROM (default 120) on. When it fails, it
# keeps its logs and says where.
set -euo pipefail

build=${1:-build}
game=$build/zorvik
floor=$build/bench/measure/zorvik_floor
first_frame=$build/bench/measure/zorvik_first_frame
tick_period=$build/bench/measure/zorvik_tick_period
with_pad=$build/bench/measure/zorvik_with_pad
first_display=${ZORVIK_MEASURE_DISPLAY_FROM:-120}
launches=9
cpu_windows=3
cpu_seconds=10
play_seconds=${ZORVIK_MEASURE_PLAY_SECONDS:-90}
work=$(mktemp -d /tmp/zorvik-measure.XXXXXX)

# Places on the main window and the settings window, in logical pixels.
setup_hot_spot=(719 201)
pause_ball=(597 50)
player_picture=(96 446)
computer_choice=(364 333)
fastest_speed=(376 241)
settings_yes=(147 513)
board_probe=(31 34 480 480)

started=()
finished=false
cleanup() {
    local i pid
    for ((i = ${#started[@]} - 1; i >= 0; --i)); do
        pid=${started[i]}
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    if $finished; then
        rm -rf "$work"
    else
        echo "measure: the logs are kept in $work" >&2
    fi
}
trap cleanup EXIT

fail() {
    echo "measure: $*" >&2
    exit 1
}

for program in "$game" "$floor" "$first_frame" "$tick_period" "$with_pad"; do
    [ -x "$program" ] || fail "$program is missing: run 'make measure'"
done

export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The screen holds the game at scale 2 beside the floor without overlap.
. "$(dirname "$0")/../tests/kit/private_display.sh"
start_private_display "$first_display" 3840x2160x24 "$work/display" ||
    fail "no private display; see $work"

# A desktop session has a session bus. Without one, each start of the game
# would try to launch a bus for Qt's accessibility bridge, which costs some
# 10 ms of the first frame that no player's desktop pays.
dbus-daemon --session --fork --print-address=1 --print-pid=1 >"$work/bus" ||
    fail "no session bus could be started"
export DBUS_SESSION_BUS_ADDRESS
{ read -r DBUS_SESSION_BUS_ADDRESS && read -r bus_pid; } <"$work/bus"
started+=("$bus_pid")

# Waits for the visible window of the given title and prints its id. A
# search fails when a window vanishes under it, as a closed program's do.
window_of() {
    local id deadline=$((SECONDS + 20))
    until id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$id" ]; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
    echo "$id"
}

# Prints a window's left and top edge on the screen.
origin_of() {
    xdotool getwindowgeometry --shell "$1" |
        awk -F= '$1 == "X" { x = $2 } $1 == "Y" { y = $2 } END { print x, y }'
}

# Clicks a point given in logical pixels of a window at a screen origin.
click_at() {
    xdotool mousemove --sync $(($1 + $3 * scale)) $(($2 + $4 * scale)) click 1
}

# Prints the red, green and blue of one pixel on the screen.
pixel_at() {
    import -window root -crop "1x1+$1+$2" -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}

# Prints a checksum of the board's pixels on the screen.
board_pixels() {
    import -window root -crop "$((board_probe[2] * scale))x$((board_probe[3] * scale))+$(($1 + board_probe[0] * scale))+$(($2 + board_probe[1] * scale))" \
        rgb:- | md5sum
}

# Whether the board changes on the screen. Snakes going straight show the
# same board again each time they have crossed it, every 0.75 s at the
# fastest speed, and a grab of the screen takes about half a second: two
# grabs may fall a crossing apart. Three, with unequal pauses, cannot.
board_moves() {
    local first second
    first=$(board_pixels "$@")
    sleep 0.2
    second=$(board_pixels "$@")
    [ "$second" != "$first" ] && return 0
    sleep 0.5
    [ "$(board_pixels "$@")" != "$second" ]
}

# Resumes the paused game with its pause ball; the keyboard comes back to
# the main window before each click: the game pauses whenever it leaves, and
# the window manager may hand it over only after the settings window has
# gone. A click that left the board still is tried again, twice at most, and
# said in the log with a screenshot, so a flaky start is seen, not hidden.
resume() {
    local window=$1 x=$2 y=$3 label=${4//[^a-z0-9]/_}
    for try in 1 2 3; do
        xdotool windowactivate --sync "$window"
        sleep 0.2
        click_at "$x" "$y" "${pause_ball[@]}"
        board_moves "$x" "$y" && return 0
        import -window root "$work/still-$label-$try.png"
        echo "measure: $label: the board stood still after click $try on the pause ball;" \
            "the keyboard was at \"$(xdotool getactivewindow getwindowname 2>/dev/null)\"" >&2
    done
    return 1
}

# A figure of each thread of a process, a line "thread figure" each: what
# the awk program $3 makes of the thread's file $2. A thread that ends
# meanwhile gives a line without a figure.
per_thread() {
    local task
    for task in /proc/"$1"/task/*; do
        echo "${task##*/} $(awk "$3" "$task/$2" 2>/dev/null)"
    done
}

# Nanoseconds on a CPU of each thread of a process.
cpu_ns() {
    per_thread "$1" schedstat '{ print $1 }'
}

# Context switches of each thread of a process: its wakeups.
context_switches() {
    per_thread "$1" status '/ctxt_switches/ { sum += $2 } END { print sum }'
}

# What the threads of two such readings added between them. A thread that
# began meanwhile counts whole; one that ended is left out, as its last
# figures went with it: summed over the threads alive, a count would fall.
growth() {
    awk 'NR == FNR { before[$1] = $2; next } NF == 2 { sum += $2 - before[$1] } END { printf "%.0f\n", sum }' \
        <(echo "$1") <(echo "$2")
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

echo "Machine: $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p'), load average $(cut -d' ' -f1-3 /proc/loadavg)"

# 1. Launch to first frame: a small X client starts the game, polls its
# window every millisecond and stops the clocks when the window is mapped,
# when a board cell shows its painted colour, and when the snake shows.
for _ in $(seq "$launches"); do
    "$first_frame" "$game" || fail "the first frame was not measured"
done | tee "$work/launches" | sed 's/^/launch: /'
# The launches' lines read "window mapped A ms, first frame B ms, snake shown C ms".
launch_median() {
    tr -d , <"$work/launches" | awk -v f="$1" '{ print $f }' | median
}
echo "first frame, median of $launches launches: window mapped $(launch_median 3) ms," \
    "first frame $(launch_median 7) ms, snake shown $(launch_median 11) ms"

# 2. CPU and memory of a two-player game at the fastest speed, set through
# the settings window, with both players steering; the floor runs beside it.
# Player 1 zigzags down and right, player 2 up and right; an end screen,
# as when the computer wins or crashes, is dismissed with Escape.
steer() {
    while true; do
        xdotool key Down w
        sleep 0.3
        xdotool key Right d Escape
        sleep 0.3
    done
}

# Runs a program as the game, with scale factor $scale, labelled $label;
# player 2 is the second player at the keys, or the computer when the
# settings choice for two players given is the computer's.
measure_cpu() {
    local scale=$1 program=$2 label=$3 key=${3//[^a-z0-9]/_} two_players=("${player_picture[@]}")
    [ "${4:-}" = computer ] && two_players=("${computer_choice[@]}")
    QT_SCALE_FACTOR=$scale "$floor" >"$work/floor-$scale.log" 2>&1 &
    floor_pid=$!
    started+=("$floor_pid")
    window_of "Zorvik floor" >/dev/null || fail "the floor window did not appear"
    QT_SCALE_FACTOR=$scale "$program" >"$work/game-$key.log" 2>&1 &
    game_pid=$!
    started+=("$game_pid")
    main=$(window_of Zorvik) || fail "the main window did not appear at scale $scale"
    read -r main_x main_y <<<"$(origin_of "$main")"
    click_at "$main_x" "$main_y" "${setup_hot_spot[@]}"
    settings=$(window_of SETTINGS) || fail "the settings window did not open at scale $scale"
    read -r settings_x settings_y <<<"$(origin_of "$settings")"
    click_at "$settings_x" "$settings_y" "${two_players[@]}"
    click_at "$settings_x" "$settings_y" "${fastest_speed[@]}"
    read -r red green _ <<<"$(pixel_at $((settings_x + fastest_speed[0] * scale)) $((settings_y + fastest_speed[1] * scale)))"
    ((red > 200 && green < 120)) || fail "the fastest speed segment did not light up at scale $scale"
    click_at "$settings_x" "$settings_y" "${settings_yes[@]}"
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name '^SETTINGS$' >/dev/null 2>&1 || break
        sleep 0.1
    done
    resume "$main" "$main_x" "$main_y" "$label" || fail "the game did not resume at scale $scale"
    steer >/dev/null 2>&1 &
    steering=$!
    started+=("$steering")

    for ((w = 1; w <= cpu_windows; ++w)); do
        game_start=$(cpu_ns "$game_pid")
        floor_start=$(cpu_ns "$floor_pid")
        switches_start=$(context_switches "$game_pid")
        start_ns=$(date +%s%N)
        sleep "$cpu_seconds"
        game_end=$(cpu_ns "$game_pid")
        floor_end=$(cpu_ns "$floor_pid")
        switches_end=$(context_switches "$game_pid")
        end_ns=$(date +%s%N)
        awk -v g="$(growth "$game_start" "$game_end")" -v f="$(growth "$floor_start" "$floor_end")" \
            -v ns=$((end_ns - start_ns)) -v w="$(growth "$switches_start" "$switches_end")" \
            'BEGIN { printf "%.3f %.3f %.2f %.0f\n", 100 * g / ns, 100 * f / ns, g / f, w * 1e9 / ns }' |
            tee -a "$work/cpu-$key" |
            awk -v l="$label" '{ printf "%s, %d s: game %s %%, floor %s %%, ratio %s, game wakeups %s a second\n", l, '"$cpu_seconds"', $1, $2, $3, $4 }'
    done
    kill "$steering"
    wait "$steering" 2>/dev/null || true
    if ! board_moves "$main_x" "$main_y"; then
        import -window root "$work/stopped.png"
        fail "the game stopped during the CPU measurement at scale $scale; see $work/stopped.png"
    fi
    game_cpu=$(cut -d' ' -f1 "$work/cpu-$key" | median)
    floor_cpu=$(cut -d' ' -f2 "$work/cpu-$key" | median)
    ratio=$(cut -d' ' -f3 "$work/cpu-$key" | median)
    wakeups=$(cut -d' ' -f4 "$work/cpu-$key" | median)
    echo "CPU at 25 ms, two players, $label (median of $cpu_windows x $cpu_seconds s):" \
        "game $game_cpu %, floor $floor_cpu % of one core, ratio $ratio"
    echo "wakeups of a running game, $label: $wakeups a second"
    echo "peak memory, $label: $(awk '/^VmHWM/ { printf "%.1f MiB", $2 / 1024 }' "/proc/$game_pid/status") (VmHWM)"
    kill "$game_pid" "$floor_pid"
    wait "$game_pid" "$floor_pid" 2>/dev/null || true
}
measure_cpu 1 "$game" "scale 1"
measure_cpu 2 "$game" "scale 2"
measure_cpu 1 "$with_pad" "scale 1, one gamepad"
measure_cpu 1 "$game" "scale 1, against the computer" computer

# 3. Wakeups of a paused game: every context switch of its threads in 10 s,
# without a pad and with one (the pads are looked at while no tick runs).
for program in "$game" "$with_pad"; do
    scale=1
    "$program" >"$work/paused.log" 2>&1 &
    game_pid=$!
    started+=("$game_pid")
    main=$(window_of Zorvik) || fail "the main window did not appear for the paused game"
    read -r main_x main_y <<<"$(origin_of "$main")"
    sleep 1
    click_at "$main_x" "$main_y" "${pause_ball[@]}"
    sleep 2
    board_moves "$main_x" "$main_y" && fail "the game did not pause"
    before=$(context_switches "$game_pid")
    sleep "$cpu_seconds"
    after=$(context_switches "$game_pid")
    [ "$program" = "$game" ] && pads="no gamepad" || pads="one gamepad"
    echo "wakeups of a paused game, $pads: $(($(growth "$before" "$after") / cpu_seconds)) per second"
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null || true
done

# 4. The tick period: the real main window, whose ticks a small program
# records over minutes of play at each speed while both players steer.
"$tick_period" "$play_seconds" >"$work/ticks" 2>"$work/ticks.err" &
tick_pid=$!
started+=("$tick_pid")
main=$(window_of Zorvik) || fail "the tick period's window did not appear"
xdotool windowactivate --sync "$main"
until grep -q '^ready$' "$work/ticks"; do
    kill -0 "$tick_pid" 2>/dev/null || fail "the tick period was not measured: $(cat "$work/ticks.err")"
    sleep 0.1
done
steer >/dev/null 2>&1 &
steering=$!
started+=("$steering")
wait "$tick_pid" || fail "the tick period was not measured: $(cat "$work/ticks.err")"
# The steering may have ended already, with the window it steered.
kill "$steering" 2>/dev/null || true
wait "$steering" 2>/dev/null || true
grep '^tick period' "$work/ticks"
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
finished=true
