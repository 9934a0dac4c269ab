#!/usr/bin/env bash
# Tagorix Tool against its simulated device, from a fresh checkout:
#   1. installs what is missing (scripts/install-deps.sh),
#   2. builds the tool and the simulator (Release),
#   3. starts the simulator on COM1, paced at 38400 baud with records stored,
#   4. opens the tool; closing it stops the simulator.
# Without a display ($DISPLAY empty) the tool runs on a virtual X server for a
# few seconds, Connect is pressed, and a screenshot of the window is saved;
# the script prints its name. The tool speaks the language of LANG (and
# LANGUAGE, LC_ALL, LC_MESSAGES), e.g. LANG=de_DE.UTF-8 scripts/demo.sh.
#
# Environment: TAGORIX_DEMO_BUILD (build folder, default build-demo),
# TAGORIX_DEMO_RECORDS (records stored in the device, default 500),
# TAGORIX_DEMO_SECONDS (how long the headless run lasts, default 6),
# TAGORIX_DEMO_PAGE (the page in the screenshot, 1 to 5, default 1).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TAGORIX_DEMO_BUILD:-$root/build-demo}
records=${TAGORIX_DEMO_RECORDS:-500}
seconds=${TAGORIX_DEMO_SECONDS:-6}
page=${TAGORIX_DEMO_PAGE:-1}
port=1

say() { printf 'demo: %s\n' "$*" >&2; }

headless=false
[ -z "${DISPLAY:-}" ] && headless=true

# A headless run presses Connect with xdotool and takes its screenshot with
# ImageMagick's import.
extra=()
$headless && ! command -v import >/dev/null && extra+=(imagemagick)
$headless && ! command -v xdotool >/dev/null && extra+=(xdotool)
"$root/scripts/install-deps.sh" "${extra[@]}" >&2

say "building in $build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAGORIX_TESTS=OFF -DTAGORIX_BENCH=OFF >/dev/null
ninja -C "$build" -j2 tagorix-tool tagorix-sim >&2

sim_pid=''
xvfb_pid=''
tool_pid=''
sim_out=$(mktemp)
stop() { # pid signal
    if [ -n "$1" ] && kill -0 "$1" 2>/dev/null; then
        kill "-$2" "$1" 2>/dev/null || true
        wait "$1" 2>/dev/null || true
    fi
}
stop_all() {
    stop "$tool_pid" TERM
    # SIGINT lets the simulator put the port mapping back as it was.
    stop "$sim_pid" INT
    stop "$xvfb_pid" TERM
    rm -f "$sim_out"
}
trap stop_all EXIT
trap 'exit 130' INT TERM

"$build/sim/tagorix-sim" --port "$port" --baud 38400 --records "$records" >"$sim_out" &
sim_pid=$!
for _ in $(seq 50); do
    [ -s "$sim_out" ] && break
    sleep 0.1
done
device=$(head -n 1 "$sim_out")
[ -n "$device" ] || { say "the simulator did not start"; exit 1; }
say "simulated device on $device, mapped to COM$port; choose COM$port and press Connect"

if ! $headless; then
    "$build/src/tagorix-tool" &
    tool_pid=$!
    wait "$tool_pid" || true
    tool_pid=''
    say "tool closed; simulator stopped"
    exit 0
fi

# No display: a virtual one, on the first free number from 99 up.
number=99
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
Xvfb ":$number" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$number" ] && break
    sleep 0.1
done
export DISPLAY=":$number"

"$build/src/tagorix-tool" &
tool_pid=$!
say "tool running on the virtual display $DISPLAY for $seconds s; pressing Connect"
sleep 2
window=$(xdotool search --sync --limit 1 --name 'Tagorix Tool V1.32' 2>/dev/null || true)
# The Connect button, in the window's own coordinates.
[ -n "$window" ] && xdotool mousemove --window "$window" 140 19 click 1
# Ctrl+PgDown brings the next page to the front, in every language.
for ((next = 1; next < page; next++)); do
    [ -n "$window" ] && xdotool key --window "$window" ctrl+Next
done
sleep "$((seconds > 2 ? seconds - 2 : 1))"

screenshot="$build/tagorix-demo.png"
import -window "Tagorix Tool V1.32 Quenfo" "$screenshot" 2>/dev/null || import -window root "$screenshot"
say "screenshot saved"
printf '%s\n' "$screenshot"
