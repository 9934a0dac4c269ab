#!/usr/bin/env bash
# Checks the Debian package as a desktop and a system meet it: lints the
# desktop entry, the AppStream metadata and the package, has bash-completion
# load the completion, verifies the offload unit and tries the offload rule on
# a device. With --install it then installs
# the package into this machine, runs the installed programs, resolves the menu
# entry's Exec and Icon, verifies the installed completion, unit and rule, removes the
# package and makes sure nothing of it is left behind; a tagorix-tool package
# already installed is purged first.
# Usage: scripts/check-package.sh [--install] path/to/tagorix-tool_<version>_<arch>.deb
# Runs as root, or through sudo.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
install=0
if [ "${1:-}" = --install ]; then
  install=1
  shift
fi
deb=$(realpath "$1")
package=tagorix-tool
"$root/scripts/install-deps.sh" desktop-file-utils appstream lintian systemd udev >&2

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
apt() { DEBIAN_FRONTEND=noninteractive $sudo apt-get -y -qq -o DPkg::Lock::Timeout=300 "$@" >/dev/null; }
installed() { dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; }
fail() { printf 'check-package: %s\n' "$*" >&2; exit 1; }

app_id=$(sed -n 's/^set(TAGORIX_APP_ID \(.*\))$/\1/p' "$root/CMakeLists.txt")
version=$(dpkg-deb -f "$deb" Version)

echo "-- desktop-file-validate, appstreamcli validate --no-net"
desktop-file-validate "$root/packaging/$app_id.desktop"
appstreamcli validate --no-net "$root/packaging/$app_id.metainfo.xml"

# Warnings fail too: one that has to be kept is suppressed here by name and
# listed with its reason in the README.
echo "-- lintian"
lintian --fail-on error,warning "$deb" 2> >(grep -v 'running with root privileges' >&2)

echo "-- translations"
contents=$(dpkg-deb -c "$deb")
for language in de fr pl; do
  grep -q "\./usr/share/$package/translations/tagorix_$language\.qm$" <<< "$contents" \
    || fail "no translation tagorix_$language.qm in the package"
done

unit=tagorix-offload@.service
rule=80-tagorix-offload.rules
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"

# systemd-analyze verify: its warnings (an unknown key, a value it cannot
# parse) leave its exit status 0, so any output fails. A device-named instance
# is what udev starts.
verify_unit() {
  local report
  report=$(systemd-analyze verify "$@" "${unit/@/@ttyUSB0}" 2>&1) || fail "systemd-analyze verify: $report"
  [ -z "$report" ] || fail "systemd-analyze verify: $report"
}
# What udev's rules make of an added serial device (the always present
# /dev/tty) when the administrator's rules are $1: prints the SYSTEMD_WANTS
# line and any complaint about the offload rule, and that it was read. udev's
# run-time folder is a private one, so the machine's device database is left
# alone; the rule files given after $1 go there too (the package's rule
# before it is installed).
udev_run() {
  local naming=$1
  shift
  unshare --map-root-user --mount sh -c '
    naming=$1; shift
    mount -t tmpfs tmpfs /run && mkdir -p /run/udev/rules.d || exit 1
    [ $# -eq 0 ] || cp "$@" /run/udev/rules.d/
    [ -z "$naming" ] || printf "%s\n" "$naming" >/run/udev/rules.d/70-tagorix-devices.rules
    udevadm test --action=add /sys/class/tty/tty 2>&1' sh "$naming" "$@" \
    | grep -E "^SYSTEMD_WANTS=|$rule(:| *$)" || true
}
# The rule matches nothing until the administrator names the device, and
# then wants the unit for that device; udev complains of none of its lines.
check_rule() {
  local untouched named
  untouched=$(udev_run "" "$@")
  grep -q "Reading rules file: .*/$rule\$" <<<"$untouched" || fail "udevadm test did not read $rule: $untouched"
  ! grep -q "$rule:[0-9]" <<<"$untouched" || fail "udev finds fault with $rule: $untouched"
  ! grep -q "tagorix-offload@" <<<"$untouched" || fail "$rule starts the offload for a device nobody named: $untouched"
  named=$(udev_run 'SUBSYSTEM=="tty", KERNEL=="tty", TAG+="tagorix-offload"' "$@")
  grep -Eq "^SYSTEMD_WANTS=(.* )?${unit/@/@tty}( |\$)" <<<"$named" || fail "a named device does not start ${unit/@/@tty}: $named"
}

# bash-completion loads tagorix's completion by the command's name from the
# folders under $1 (and its own, where the package installs it).
check_bash_completion() {
  local loaded
  loaded=$(XDG_DATA_DIRS=$1 bash -c 'source /usr/share/bash-completion/bash_completion
    _completion_loader tagorix; complete -p tagorix' 2>&1)
  grep -q -- '-F _tagorix tagorix$' <<<"$loaded" || fail "bash-completion does not load tagorix's completion: $loaded"
}
echo "-- bash completion"
check_bash_completion "$unpacked/usr/share"

echo "-- systemd-analyze verify, udevadm test"
# Before installing, the package's tree is the root; the unit's default
# dependencies (sysinit.target and the like) are the machine's. Its manual
# page is checked after installing.
cp -rn /usr/lib/systemd/system/. "$unpacked/usr/lib/systemd/system/"
verify_unit --man=no --root="$unpacked"
check_rule "$unpacked/usr/lib/udev/rules.d/$rule"

if ((!install)); then
  echo "-- install test skipped: it installs the package system-wide; run scripts/test.sh --install-test (or set TAGORIX_INSTALL_TEST=1) to include it"
  exit 0
fi

echo "-- install test"
if installed; then apt purge "$package"; fi
# The package's paths, and which of them (shared folders) exist without it.
mapfile -t paths < <(dpkg-deb -c "$deb" | awk '{ sub(/^\./, "", $6); sub(/\/$/, "", $6); print $6 }')
present_before=()
for path in "${paths[@]}"; do [ -e "$path" ] && present_before+=("$path"); done
trap 'rm -rf "$unpacked"; if installed; then apt purge "$package"; fi' EXIT
apt install "$deb"

# No display and no platform plugin: --version must not need a window.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM /usr/bin/tagorix-tool --version | grep -qx "tagorix-tool $version" \
  || fail "installed tagorix-tool --version does not print $version"
/usr/bin/tagorix-sim --help | grep -q -- '--version' || fail "installed tagorix-sim --help lists no --version"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM /usr/bin/tagorix --version | grep -qx "tagorix $version" \
  || fail "installed tagorix --version does not print $version"
# The installed programs find their translations.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=de_DE.UTF-8 \
  /usr/bin/tagorix-tool --help)
grep -q '^Aufruf: tagorix-tool' <<< "$help" || fail "installed tagorix-tool --help speaks no German under de_DE"
# The command line runs where there is no display: it must not need Qt's GUI libraries.
if ldd /usr/bin/tagorix | grep -Eq 'libQt6(Gui|Widgets)'; then fail "installed tagorix links Qt Gui or Widgets"; fi

desktop=/usr/share/applications/$app_id.desktop
[ -f "$desktop" ] || fail "no desktop entry $desktop"
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ "$(command -v "$exec_program")" = /usr/bin/tagorix-tool ] || fail "Exec=$exec_program does not resolve to the tool"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for icon_file in scalable/apps/$icon.svg {48x48,128x128,256x256}/apps/$icon.png; do
  [ -f "/usr/share/icons/hicolor/$icon_file" ] || fail "Icon=$icon: no hicolor/$icon_file"
done
for page in tagorix-tool tagorix tagorix-sim; do
  dpkg -L "$package" | grep -qx "/usr/share/man/man1/$page.1.gz" || fail "no manual page $page(1) in the package"
  if command -v man >/dev/null; then man -w "$page" >/dev/null || fail "man $page finds no page"; fi
done
# Where systemd and udev read a package's files, the page in Documentation= found.
for file in /usr/lib/systemd/system/$unit /usr/lib/udev/rules.d/$rule; do
  dpkg -L "$package" | grep -qxF "$file" || fail "no $file in the package"
done
if command -v man >/dev/null; then verify_unit; else verify_unit --man=no; fi
check_rule
check_bash_completion /usr/share
echo "installed size: $(dpkg-query -W -f='${Installed-Size}' "$package") KiB"

# Remove, not purge: what a user runs must take everything away.
apt remove "$package"
left=()
for path in "${paths[@]}"; do
  [ -e "$path" ] || continue
  printf '%s\n' "${present_before[@]}" | grep -qxF "$path" || left+=("$path")
done
((${#left[@]} == 0)) || fail "left behind after purge: ${left[*]}"
echo "installed, ran, removed; nothing left behind"
