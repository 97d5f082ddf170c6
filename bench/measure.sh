#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 the Zorvik developers
#
# Measures the Release game as a player runs it, on a private X display with
# a window manager: the time from launch to the first painted frame, the CPU
# it uses at the fastest speed, its peak memory, and the real period of its
# ticks. Usage: bench/measure.sh [BUILD_DIR]. The display is :97 unless
# ZORVIK_MEASURE_DISPLAY names another number.
set -euo pipefail

build=${1:-build}
game=$build/zorvik
first_frame=$build/bench/measure/zorvik_first_frame
tick_period=$build/bench/measure/zorvik_tick_period
display=:${ZORVIK_MEASURE_DISPLAY:-97}
launches=5
cpu_seconds=20
work=$(mktemp -d /tmp/zorvik-measure.XXXXXX)

# Places on the main window and the settings window, in window pixels.
setup_hot_spot=(719 201)
pause_ball=(597 50)
fastest_speed=(376 241)
settings_yes=(147 469)
board_probe=(31 34 480 480)

started=()
game_pid=
cleanup() {
    local pid
    for pid in $game_pid "${started[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "measure: $*" >&2
    exit 1
}

for program in "$game" "$first_frame" "$tick_period"; do
    [ -x "$program" ] || fail "$program is missing: run 'make measure'"
done
[ -e "/tmp/.X${display#:}-lock" ] && fail "display $display is in use; set ZORVIK_MEASURE_DISPLAY"

export DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
started+=($!)
for _ in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done
openbox >"$work/openbox.log" 2>&1 &
started+=($!)
for _ in $(seq 100); do
    xdotool get_num_desktops >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool get_num_desktops >/dev/null 2>&1 || fail "the window manager did not start"

# Waits for the visible window of the given title and prints its id.
window_of() {
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}

# Prints a window's left and top edge on the screen.
origin_of() {
    xdotool getwindowgeometry --shell "$1" |
        awk -F= '$1 == "X" { x = $2 } $1 == "Y" { y = $2 } END { print x, y }'
}

# Clicks at a point of a window given by its screen origin.
click_at() {
    xdotool mousemove --sync $(($1 + $3)) $(($2 + $4)) click 1
}

# Prints the red, green and blue of one pixel on the screen.
pixel_at() {
    import -window root -crop "1x1+$1+$2" -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}

# Prints a checksum of the board's pixels on the screen.
board_pixels() {
    import -window root -crop "${board_probe[2]}x${board_probe[3]}+$(($1 + board_probe[0]))+$(($2 + board_probe[1]))" \
        rgb:- | md5sum
}

board_moves() {
    local before
    before=$(board_pixels "$@")
    sleep 0.2
    [ "$(board_pixels "$@")" != "$before" ]
}

# utime + stime of a process, in clock ticks.
cpu_ticks() {
    local stat fields
    stat=$(<"/proc/$1/stat")
    read -r -a fields <<<"${stat##*) }"
    echo $((fields[11] + fields[12]))
}

echo "Machine: $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p'), load average $(cut -d' ' -f1-3 /proc/loadavg)"

# 1. Launch to first frame: a small X client starts the game, polls its
# window every millisecond and stops the clocks when the window is mapped,
# when a board cell shows its painted colour, and when the snake shows.
for _ in $(seq "$launches"); do
    "$first_frame" "$game" || exit 1
done | tee "$work/launches" | sed 's/^/launch: /'
awk '{ gsub(/,/, ""); mapped[NR] = $3; frame[NR] = $7; snake[NR] = $11 }
    function median(v, n,   i, j, t) {
        for (i = 2; i <= n; ++i) for (j = i; j > 1 && v[j - 1] > v[j]; --j) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
        return v[int((n + 1) / 2)]
    }
    END { printf "medians over %d launches: window mapped %.1f ms, first frame %.1f ms, snake shown %.1f ms\n",
          NR, median(mapped, NR), median(frame, NR), median(snake, NR) }' "$work/launches"

# 2. CPU and memory at the fastest speed, set through the settings window.
"$game" >"$work/game.log" 2>&1 &
game_pid=$!
main=$(window_of Zorvik)
[ -n "$main" ] || fail "the main window did not appear"
read -r main_x main_y <<<"$(origin_of "$main")"
click_at "$main_x" "$main_y" "${setup_hot_spot[@]}"
settings=$(window_of SETTINGS)
[ -n "$settings" ] || fail "the settings window did not open"
read -r settings_x settings_y <<<"$(origin_of "$settings")"
click_at "$settings_x" "$settings_y" "${fastest_speed[@]}"
read -r red green _ <<<"$(pixel_at $((settings_x + fastest_speed[0])) $((settings_y + fastest_speed[1])))"
((red > 200 && green < 120)) || fail "the fastest speed segment did not light up"
click_at "$settings_x" "$settings_y" "${settings_yes[@]}"
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^SETTINGS$' >/dev/null 2>&1 || break
    sleep 0.1
done
click_at "$main_x" "$main_y" "${pause_ball[@]}"
board_moves "$main_x" "$main_y" || fail "the game did not resume"

ticks_per_second=$(getconf CLK_TCK)
start_ticks=$(cpu_ticks "$game_pid")
start_ns=$(date +%s%N)
sleep "$cpu_seconds"
end_ticks=$(cpu_ticks "$game_pid")
end_ns=$(date +%s%N)
board_moves "$main_x" "$main_y" || fail "the game stopped during the CPU measurement"
awk -v t=$((end_ticks - start_ticks)) -v hz="$ticks_per_second" -v ns=$((end_ns - start_ns)) \
    'BEGIN { printf "CPU at 25 ms: %.2f %% of one core over %.1f s\n", 100 * t / hz / (ns / 1e9), ns / 1e9 }'
echo "peak memory: $(awk '/^VmHWM/ { printf "%.1f MiB", $2 / 1024 }' "/proc/$game_pid/status") (VmHWM)"
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=

# 3. The real tick period: the real main window, whose timer's ticks a small
# program records.
"$tick_period"
