#!/usr/bin/env bash
# What the Orca screen reader says for every focus stop of the five pages.
# Run by hand (not part of the tests); Debian 12.
#
#   scripts/orca-check.sh [build folder, default build]
#
# Starts, on a virtual X server with a window manager, a D-Bus session and
# the accessibility bus: speech-dispatcher (everything it is asked to say goes
# to its log; audio to ALSA's null device, or Orca waits for a sound server),
# Orca, the simulator on COM1 and the tool. scripts/orca-walk.py then presses
# Connect and walks every page with Tab, printing what Orca said at each stop
# and, per page, how many stops it announced with their control's name.
#
# Environment: TAGORIX_ORCA_TOOL and TAGORIX_ORCA_SIM (the programs, default
# from the build folder), TAGORIX_ORCA_KEEP=1 keeps the logs' folder.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
tool=${TAGORIX_ORCA_TOOL:-$build/src/tagorix-tool}
sim=${TAGORIX_ORCA_SIM:-$build/sim/tagorix-sim}
[ -x "$tool" ] && [ -x "$sim" ] || { echo "orca-check: build the tool and the simulator first ($tool)" >&2; exit 1; }

"$root/scripts/install-deps.sh" orca speech-dispatcher espeak-ng speech-dispatcher-espeak-ng openbox \
    python3-pyatspi xdotool at-spi2-core >&2

work=$(mktemp -d)
cleanup() { [ "${TAGORIX_ORCA_KEEP:-}" = 1 ] && echo "orca-check: logs in $work" >&2 || rm -rf "$work"; }
trap cleanup EXIT

# A home of its own: Orca's and speech-dispatcher's settings, the tool's
# settings (the simulator maps COM1 there) and every log stay in $work.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share \
       XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$work/speech"
chmod 700 "$XDG_RUNTIME_DIR"
cp -r /etc/speech-dispatcher "$XDG_CONFIG_HOME/"
cat >>"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<EOF
LogLevel 5
LogDir "$work/speech"
AudioOutputMethod "alsa"
AudioALSADevice "null"
DefaultModule espeak-ng
EOF

number=120
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true; cleanup' EXIT
export DISPLAY=":$number"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=0
dbus-run-session -- python3 "$root/scripts/orca-walk.py" "$tool" "$sim" "$work"
