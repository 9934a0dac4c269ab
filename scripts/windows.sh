#!/usr/bin/env bash
# The Windows build, proved under Wine:
#  1. builds the minimal Qt for 64-bit Windows once (scripts/windows-qt.sh,
#     cached under ~/.cache/tagorix-windows while its inputs are unchanged);
#  2. cross-builds the tool and the tests with mingw-w64 (build-windows/);
#  3. runs every test program under wine64;
#  4. reads records out of the Linux simulator through Wine's COM5 and holds
#     the file against the Linux read-out of the same device, byte for byte;
#  5. packs the zip and the MSI (build-windows/tagorix-tool-<version>-
#     windows-x64.zip and .msi, stripped) and starts the tool from the zip;
#  6. installs the MSI under Wine silently, over an older version, runs both
#     programs from Program Files, drives the tool's own window on Qt's
#     Windows platform on a virtual X display by its keys (connect on COM5,
#     read the records out), reads them out again with tagorix.exe, holds both
#     files against the Linux read-out, and uninstalls it silently, leaving
#     no file.
# Ends with the line "N passed, M failed, K skipped" (test functions under
# Wine and this script's own checks). Installs what is missing first.
#
# Qt SerialPort's source is the tarball in third_party/qtserialport/, or the
# one TAGORIX_QT_SERIALPORT_SOURCE names.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
started=$SECONDS
export CCACHE_BASEDIR=$repo

# wixl makes the MSI, icotool its icon, msiinfo reads its product code;
# xdotool presses the window's keys and ImageMagick's import takes its picture.
scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine64 dpkg-dev xz-utils wixl msitools icoutils xdotool \
  imagemagick

serialport_source=${TAGORIX_QT_SERIALPORT_SOURCE:-$repo/third_party/qtserialport/qtserialport-everywhere-src-6.4.2.tar.xz}
echo "== Qt for Windows"
qt=$(scripts/windows-qt.sh "$serialport_source")
echo "Qt for Windows: $qt ($((SECONDS - started)) s so far)"

# Qt's toolchain file loads the compiler's from beside the Qt, wherever the
# cache folder is now (it keeps the path it had when Qt was built).
host_qt=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
         -DQT_CHAINLOAD_TOOLCHAIN_FILE="$qt/mingw-w64.cmake")
build=$repo/build-windows
echo "== Cross-building for Windows"
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" "${host_qt[@]}" \
  -DCMAKE_BUILD_TYPE=Release -DTAGORIX_WERROR=ON -DTAGORIX_BENCH=OFF -DTAGORIX_FRESH_BUILD=ON \
  > "$build.configure.log" 2>&1 \
  || { cat "$build.configure.log"; exit 1; }
nice -n 10 ninja -C "$build" -j2

# The simulator and the Linux side of the COM5 exchange.
host_build=$repo/build-windows-host
echo "== The Linux simulator"
cmake -S . -B "$host_build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAGORIX_WERROR=ON -DTAGORIX_BENCH=OFF \
  > "$host_build.configure.log" 2>&1 || { cat "$host_build.configure.log"; exit 1; }
nice -n 10 ninja -C "$host_build" -j2 tagorix-sim test_com_port_exchange wine_pty_modem_lines

# ---- Wine --------------------------------------------------------------------
# A prefix of its own, kept between runs; one wineserver for all the programs.
# Debian keeps wine64 and wineserver in /usr/lib/wine.
export PATH=/usr/lib/wine:$PATH
export WINEPREFIX=$build/wine
export WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installer dialogs when the prefix is made; no menu entries
# on this machine for the MSI's Start-menu shortcut.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mingw_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
winpthread=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
windows_path() { echo "Z:${1//\//\\}"; }
WINEPATH="$(windows_path "$qt/bin");$(windows_path "$mingw_runtime");$(windows_path "$winpthread")"
export WINEPATH
# Wine hands on no QT_ variable, but hands these on without their prefix.
export WINEQT_QPA_PLATFORM=offscreen WINEQT_FORCE_STDERR_LOGGING=1
# The offscreen platform reads its fonts from one folder; the window has its
# designed size with DejaVu Sans alone there.
fonts=$build/fonts
mkdir -p "$fonts"
cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$fonts/"
export WINEQT_QPA_FONTDIR
WINEQT_QPA_FONTDIR=$(windows_path "$fonts")

sim_pid="" xvfb_pid="" tool_pid=""
cleanup() {
  [ -z "$sim_pid" ] || kill "$sim_pid" 2>/dev/null || true
  [ -z "$tool_pid" ] || kill "$tool_pid" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
if [ ! -d "$WINEPREFIX" ]; then
  echo "Making the Wine prefix"
  # Wine 8.0's wineboot fails without the 32-bit side it does not need here,
  # yet makes the prefix.
  wine64 wineboot --init > "$build/wineboot.log" 2>&1 || true
  wineserver -w
  [ -f "$WINEPREFIX/system.reg" ] || { cat "$build/wineboot.log"; echo "no Wine prefix"; exit 1; }
fi
# Its own output (a dump of its objects when it is stopped) is no test output.
wineserver -p > "$build/wineserver.log" 2>&1

passed=0 failed=0 skipped=0
failed_programs=()
# One check of this script's own, counted with the test functions.
check() {
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok   $what"
  else
    failed=$((failed + 1))
    echo "FAIL $what"
  fi
}
# Runs one test program under Wine and adds up its totals (one line for each
# test class it runs); a program that ends without a totals line failed as a
# whole.
run_windows_test() {
  local exe=$1 name log totals line
  name=$(basename "$exe" .exe)
  log=$build/test-logs/$name.log
  mkdir -p "$build/test-logs"
  local status=0
  timeout 600 wine64 "$exe" > "$log" 2>&1 || status=$?
  totals=$(grep -a '^Totals:' "$log" || true)
  local program_passed=0 program_failed=0 program_skipped=0
  while read -r line; do
    [[ $line =~ ([0-9]+)\ passed,\ ([0-9]+)\ failed,\ ([0-9]+)\ skipped ]] || continue
    program_passed=$((program_passed + BASH_REMATCH[1]))
    program_failed=$((program_failed + BASH_REMATCH[2]))
    program_skipped=$((program_skipped + BASH_REMATCH[3]))
  done <<< "$totals"
  [ -n "$totals" ] || program_failed=1
  passed=$((passed + program_passed))
  failed=$((failed + program_failed))
  skipped=$((skipped + program_skipped))
  if [ "$status" -ne 0 ] || [ -z "$totals" ]; then
    failed_programs+=("$name")
    echo "FAIL $name (exit $status)"
    grep -a -E '^(FAIL|QWARN|QFATAL)|Loc:' "$log" | head -n 20 || true
  else
    echo "ok   $name: $program_passed passed, $program_failed failed, $program_skipped skipped"
    grep -a '^SKIP' "$log" | sed 's/^/       /' || true
  fi
}

echo "== Tests under Wine"
tests_started=$SECONDS
for exe in "$build"/tests/test_*.exe; do
  [ "$(basename "$exe")" = test_com_port_exchange.exe ] && continue
  run_windows_test "$exe"
done
echo "tests under Wine: $((SECONDS - tests_started)) s"

# ---- COM5: the Windows tool against the Linux simulator -------------------------
echo "== Records through COM5"
# Paced at the device's line rate (38400 baud): 500 records, about 7 s.
records=500
exchange=$build/exchange
rm -rf "$exchange"
mkdir -p "$exchange"
# Starts the simulator with the given options, its messages going to the
# log named first; its first output line is the pseudo-terminal's path.
start_sim() {
  local log=$1
  shift
  coproc SIM { exec "$host_build/sim/tagorix-sim" --records "$records" --baud 38400 "$@" 2>>"$log"; }
  sim_pid=$SIM_PID
  read -r -t 10 sim_path <&"${SIM[0]}" || { echo "the simulator did not start"; cat "$log"; exit 1; }
}
stop_sim() {
  kill -INT "$sim_pid"
  wait "$sim_pid" || true
  sim_pid=""
}

# Wine 8.0's COM port hears of received bytes only when they are there as
# its wait starts, or arrive while it waits; the wait asks for the modem
# lines, which a pty lacks (tests/wine/pty_modem_lines.cpp supplies them),
# and blocks the program meanwhile. So the simulator sends an empty line
# every millisecond while idle, which the tool skips as it skips every empty
# line. (Unpaced, 2,000 records at once, 1 run in 10 stalled under Wine.)
com5_options=(--no-map --idle-line 1)
modem_lines=$host_build/tests/libwine_pty_modem_lines.so
start_sim "$exchange/sim.log" "${com5_options[@]}"
ln -sfn "$sim_path" "$WINEPREFIX/dosdevices/com5"
LD_PRELOAD=$modem_lines TAGORIX_EXCHANGE_PORT=5 TAGORIX_EXCHANGE_RECORDS=$records \
  TAGORIX_EXCHANGE_FILE=$(windows_path "$exchange/windows.csv") \
  run_windows_test "$build/tests/test_com_port_exchange.exe"
stop_sim

# The same device read out by the Linux build, COM5 assigned to its pty.
start_sim "$exchange/sim.log" --no-map
linux_status=0
QT_QPA_PLATFORM=offscreen TAGORIX_EXCHANGE_PORT=5 TAGORIX_EXCHANGE_DEVICE=$sim_path \
  TAGORIX_EXCHANGE_RECORDS=$records TAGORIX_EXCHANGE_FILE=$exchange/linux.csv \
  "$host_build/tests/test_com_port_exchange" > "$exchange/linux.log" 2>&1 || linux_status=$?
stop_sim
[ "$linux_status" -eq 0 ] || cat "$exchange/linux.log"
check "the Linux read-out: $records records" [ "$linux_status" -eq 0 ]
# The records file, byte for byte the Linux read-out.
same_records() { [ -f "$1" ] && cmp "$exchange/linux.csv" "$1"; }
check "COM5 read-out in the test program: equal to the Linux read-out" same_records "$exchange/windows.csv"

# ---- The zip and the MSI ------------------------------------------------------
echo "== Windows packages"
(cd "$build" && cpack -G ZIP > cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
zip=$(ls "$build"/tagorix-tool-*-windows-x64.zip)
unpacked=$build/unpacked
rm -rf "$unpacked"
mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$zip")
contains() { [[ $1 == *"$2"* ]]; }
# Started from the zip alone, the tool finds every library it links.
answer=$(WINEPATH="" wine64 "$unpacked"/tagorix-tool-*/tagorix-tool.exe --version 2>&1 | tr -d '\r' || true)
check "the tool starts from $(basename "$zip"): $answer" contains "$answer" "1."

# The MSI installs what the zip holds: the same install rules, stripped.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
installer=$build/installer
rm -rf "$installer"
mkdir -p "$installer"
cmake --install "$build" --prefix "$installer/files" --strip > "$installer/install.log"
for size in 16 32 48 256; do
  rsvg-convert -w "$size" -h "$size" -o "$installer/icon-$size.png" packaging/icons/org.tagorix.TagorixTool.svg
done
icotool -c -o "$installer/tagorix-tool.ico" "$installer"/icon-{16,32,48}.png --raw="$installer/icon-256.png"
find "$installer/files" -type f | sort | wixl-heat -p "$installer/files/" --directory-ref INSTALLDIR \
  --component-group ProgramFiles --var var.SourceDir --win64 > "$installer/files.wxs"
# Makes the MSI of the given version. wixl 0.101 finds files by relative
# paths only.
make_msi() {
  (cd "$installer" && wixl -a x64 -D Version="$1" -D SourceDir=files -D Icon=tagorix-tool.ico -D Win64=yes \
    -o "$2" "$repo/packaging/windows/tagorix-tool.wxs" files.wxs)
}
msi=$build/tagorix-tool-$version-windows-x64.msi
make_msi "$version" "$msi"
size_of() { stat -c %s "$1"; }
mib() { awk -v bytes="$(size_of "$1")" 'BEGIN { printf "%.1f MiB", bytes / 1048576 }'; }
echo "$(basename "$zip"): $(mib "$zip"); $(basename "$msi"): $(mib "$msi")"
check "the MSI is at most 14 MiB" [ "$(size_of "$msi")" -le $((14 * 1048576)) ]

# ---- The MSI under Wine, and the window on Wine's display ---------------------
echo "== The MSI under Wine"
# A virtual X display, on the first free number from 99 up, and a wineserver
# that knows it.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp > "$build/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done
export DISPLAY=:$display
wineserver -k 2>/dev/null || true
wineserver -w
wineserver -p >> "$build/wineserver.log" 2>&1

program_files="$WINEPREFIX/drive_c/Program Files/Tagorix Tool"
apps='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
product_code() { msiinfo export "$1" Property | tr -d '\r' | awk '$1 == "ProductCode" { print $2 }'; }
# A registry value as reg prints it ("    Name    REG_SZ    Value"), or nothing.
registry_value() {
  wine64 reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' \
    | awk -v name="$2" '$1 == name { sub(/^ *[^ ]+ +[^ ]+ +/, ""); print }' || true
}
msiexec_quietly() { wine64 msiexec "$@" /qn > "$installer/msiexec.log" 2>&1; }
# Every file and folder of drive C, but for the temporary files and the
# installer's own folder (made by the first install, kept as on Windows).
files_in_prefix() {
  (cd "$WINEPREFIX/drive_c" && find . -path ./windows/temp -prune -o ! -path ./windows/Installer -print | sort)
}
files_in_prefix > "$installer/files-before.txt"

# The same files marked with an older version stand for the release before.
older=$installer/older.msi
make_msi 0.1.0 "$older"
check "an older version installs silently" msiexec_quietly /i "$(windows_path "$older")"
check "msiexec /i /qn installs $version over it" msiexec_quietly /i "$(windows_path "$msi")"
older_listed=$(registry_value "$apps\\$(product_code "$older")" DisplayVersion)
check "the older version is replaced" [ -z "$older_listed" ]
code=$(product_code "$msi")
# What "Apps and features" shows of it.
listed_as() {
  [ "$(registry_value "$apps\\$code" DisplayName)" = "Tagorix Tool" ] \
    && [ "$(registry_value "$apps\\$code" DisplayVersion)" = "$version" ] \
    && [ "$(registry_value "$apps\\$code" Publisher)" = Tagorix ]
}
check "Apps and features: Tagorix Tool $version by Tagorix" listed_as
# Apps and features takes an MSI's icon from the installer's product record,
# the icon file kept under the product's code.
icon=$(wine64 reg query 'HKLM\Software\Classes\Installer\Products' /s 2>/dev/null | tr -d '\r' \
  | awk -v code="$code" '$1 == "ProductIcon" && index($0, code) { sub(/^ *[^ ]+ +[^ ]+ +/, ""); print }')
windows_file_exists() { [ -n "$1" ] && [ -f "$(wine64 winepath -u "$1" 2>/dev/null | tr -d '\r')" ]; }
check "Apps and features: the icon $icon" windows_file_exists "$icon"
# Wine's installer puts a per-machine shortcut into the user's Start menu,
# Windows' into every user's.
shortcut_found() {
  local link
  link=$(find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Tagorix Tool.lnk' | head -n1)
  [ -n "$link" ] && grep -qaF 'C:\Program Files\Tagorix Tool\tagorix-tool.exe' "$link"
}
check "the Start-menu shortcut to tagorix-tool.exe" shortcut_found
# From Program Files alone, without the build's libraries on the path.
for program in tagorix-tool tagorix; do
  answer=$(WINEPATH="" wine64 "$program_files/$program.exe" --version 2>&1 | tr -d '\r' || true)
  check "$program.exe --version from Program Files: $answer" contains "$answer" "$version"
done

# The tool's own window on Qt's Windows platform, driven by its keys as a
# user drives it: COM5 chosen on the command line, the records file in its
# settings.
window_records=$exchange/window.csv
rm -f "$window_records"
wine64 reg add 'HKCU\Software\Tagorix\Tagorix\Config' /v SavePath /t REG_SZ /d "$(windows_path "$window_records")" \
  /f > /dev/null 2>&1
# Windows' dialog font is Tahoma, which Wine finds nowhere here; in its place
# Wine would take the first font it knows, a serif one.
wine64 reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Tahoma /t REG_SZ /d "DejaVu Sans" /f > /dev/null 2>&1
window_sim_log=$exchange/window-sim.log
rm -f "$window_sim_log"
start_sim "$window_sim_log" "${com5_options[@]}" --verbose
ln -sfn "$sim_path" "$WINEPREFIX/dosdevices/com5"
WINEPATH="" WINEQT_QPA_PLATFORM=windows LD_PRELOAD=$modem_lines \
  wine64 "$program_files/tagorix-tool.exe" --port COM5 > "$exchange/window.log" 2>&1 &
tool_pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tagorix Tool V1\.32 Quenfo$' 2>/dev/null | head -n1 || true)
check "tagorix-tool.exe shows its window on the X display" [ -n "$window" ]
# Waits up to the given seconds for the simulator to log the given text.
sim_logged() { timeout "$1" bash -c 'until grep -qF -- "$1" "$2"; do sleep 0.2; done' _ "$2" "$window_sim_log"; }
keys() { xdotool key --delay 150 "$@"; }
if [ -n "$window" ]; then
  timeout 10 xdotool windowfocus --sync "$window" || true
  # Focus starts on the port list; Connect is next.
  keys Tab Return
  # The read-back's last query: the window is connected and shows the settings.
  check "the window connects on COM5 and reads the settings back" sim_logged 30 '<< AKKU\r'
  sleep 1
  # The last page (Data exchange); from Connect past the battery bar and the
  # tab strip to "Read out records".
  keys ctrl+shift+Tab Tab Tab Tab space
  box=$(timeout 120 xdotool search --sync --onlyvisible --name '^Tagorix Tool$' 2>/dev/null | head -n1 || true)
  check "the window says the read-out is finished" [ -n "$box" ]
  check "the window's read-out: equal to the Linux read-out" same_records "$window_records"
  # The window as the screen shows it, the box in front (the echo of the
  # last records is soon scrolled away by the idle lines).
  sleep 1
  import -screen -window "$window" "$build/tagorix-tool-under-wine.png"
  keys Return
  sleep 1
  keys alt+F4
fi
for _ in $(seq 100); do
  kill -0 "$tool_pid" 2>/dev/null || break
  sleep 0.2
done
tool_ended() { ! kill -0 "$tool_pid" 2>/dev/null; }
check "the window closes by its keys" tool_ended
kill "$tool_pid" 2>/dev/null || true
tool_pid=""
stop_sim

# The command line from Program Files, on the same device.
cli_records=$exchange/command-line.csv
rm -f "$cli_records"
start_sim "$exchange/sim.log" "${com5_options[@]}"
ln -sfn "$sim_path" "$WINEPREFIX/dosdevices/com5"
WINEPATH="" LD_PRELOAD=$modem_lines wine64 "$program_files/tagorix.exe" --port COM5 \
  read-records "$(windows_path "$cli_records")" > "$exchange/command-line.log" 2>&1 || true
stop_sim
check "tagorix.exe --port COM5 read-records: equal to the Linux read-out" same_records "$cli_records"

check "msiexec /x /qn uninstalls it" msiexec_quietly /x "$(windows_path "$msi")"
files_in_prefix > "$installer/files-after.txt"
check "no file or folder of it is left" diff "$installer/files-before.txt" "$installer/files-after.txt"
check "Apps and features no longer lists it" [ -z "$(registry_value "$apps\\$code" DisplayVersion)" ]

echo "windows stage: $((SECONDS - started)) s"
((${#failed_programs[@]})) && echo "failed under Wine: ${failed_programs[*]}"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
