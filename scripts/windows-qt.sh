#!/usr/bin/env bash
# Builds the minimal Qt for x86_64-w64-mingw32 that the Windows build needs
# (qtbase: Core, Gui, Widgets, Test; and Qt SerialPort) with its licences into
# a cache folder, and prints that folder. Reuses it while the inputs are
# unchanged: the qtbase source version, the Qt SerialPort tarball, the wintab
# headers' version, the cross-compiler's version, the toolchain file and the
# features chosen (the recipe number stands for the rest of this script).
#
#   scripts/windows-qt.sh SERIALPORT_TARBALL
#
# Takes about 25 minutes of two cores when cold. Expects the packages that
# scripts/windows.sh installs.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
serialport_tarball=$1
serialport_sha256=682626d3ae07074df0f707dab880f1eab1c133a04d5bed688a3ec63af305ae89
toolchain=$here/cmake/mingw-w64.cmake
cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/tagorix-windows
jobs=${TAGORIX_JOBS:-2}

log() { echo "windows-qt: $*" >&2; }
fail() { log "$*"; exit 1; }

[ -r "$serialport_tarball" ] || fail "no Qt SerialPort source at $serialport_tarball"
echo "$serialport_sha256  $serialport_tarball" | sha256sum --check --status \
  || fail "$serialport_tarball does not have the sha256 $serialport_sha256"

# The target Qt must be the host Qt's version: its moc, rcc and uic serve both.
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
wine_version=$(dpkg-query -W -f='${Version}' libwine)
compiler_version=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)
# Without OpenGL, dynamicgl must go too: Qt 6.4.2's Windows platform plugin
# does not compile with it alone. Qt Gui builds the DirectWrite 3 font
# database only with direct2d, which is off, yet the plugin uses it whenever
# directwrite3 is on: so directwrite3 is off too.
off=(opengl dynamicgl directwrite3 vulkan sql dbus network icu jpeg gif direct2d printsupport concurrent xml
     system_zlib system_pcre2 system_png system_freetype system_harfbuzz
     openssl testlib_selfcover zstd)
on=(freetype harfbuzz png widgets)
features=()
for feature in "${off[@]}"; do features+=("-DFEATURE_$feature=OFF"); done
for feature in "${on[@]}"; do features+=("-DFEATURE_$feature=ON"); done
# What the build depends on; a change to any of them builds Qt again.
inputs="qtbase $qt_version
libwine-dev $wine_version
mingw-w64 g++ $compiler_version
qtserialport $serialport_sha256
toolchain $(sha256sum < "$toolchain" | cut -c1-64)
features ${features[*]}
recipe 1"
prefix=$cache_root/qt-6.4.2
if [ -f "$prefix/.inputs" ] && [ "$(cat "$prefix/.inputs")" = "$inputs" ]; then
  echo "$prefix"
  exit 0
fi

log "building Qt $qt_version for Windows into $prefix (cold cache: about 25 minutes)"
work=$cache_root/work
rm -rf "$work" "$prefix"
mkdir -p "$work"
cd "$work"

# qtbase's source from Debian's archive; the source list gains a deb-src line
# for the same archive when it has none.
if ! apt-get source --download-only --print-uris "qt6-base=$qt_version" >/dev/null 2>&1; then
  log "adding deb-src lines for Debian's archive"
  src_list=/etc/apt/sources.list.d/tagorix-deb-src.sources
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  for f in /etc/apt/sources.list.d/*.sources /etc/apt/sources.list; do
    [ -f "$f" ] || continue
    case $f in
      *.sources) awk 'BEGIN{RS=""; ORS="\n\n"} /Types:[^\n]*deb/ && /debian/ {sub(/Types:[^\n]*/, "Types: deb-src"); print}' "$f" ;;
      *) sed -n 's/^deb \(.*debian.*\)/deb-src \1/p' "$f" ;;
    esac
  done | $sudo tee "$src_list" >/dev/null
  [ -s "$src_list" ] || fail "found no Debian archive in the apt sources to add deb-src lines for"
  $sudo apt-get update -qq
fi
apt-get source -qq "qt6-base=$qt_version" >/dev/null 2>apt-source.log \
  || { cat apt-source.log >&2; fail "apt-get source qt6-base=$qt_version failed"; }
qtbase=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
[ -n "$qtbase" ] || fail "apt-get source gave no qt6-base folder"

# Debian's tarball leaves out src/3rdparty/wintab, which the Windows platform
# plugin includes. Wine's LGPL headers serve, taken from libwine-dev's package
# without installing it; its Wine-only macros are defined before them.
apt-get download -qq "libwine-dev=$wine_version" >/dev/null 2>&1 \
  || fail "apt-get download libwine-dev=$wine_version failed"
dpkg-deb -x libwine-dev_*.deb wine-dev
wintab=$qtbase/src/3rdparty/wintab
mkdir -p "$wintab"
cp wine-dev/usr/include/wine/wine/windows/pktdef.h "$wintab/pktdef.h"
cp wine-dev/usr/include/wine/wine/windows/wintab.h "$wintab/wine_wintab.h"
cat > "$wintab/wintab.h" <<'HEADER'
/* Wine's wintab.h, with the macros it takes from Wine's own headers. */
#ifndef TAGORIX_WINTAB_H
#define TAGORIX_WINTAB_H
#include <windows.h>
#ifndef WINELIB_NAME_AW
#  ifdef UNICODE
#    define WINELIB_NAME_AW(func) func##W
#  else
#    define WINELIB_NAME_AW(func) func##A
#  endif
#endif
#ifndef DECL_WINELIB_TYPE_AW
#  define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#endif
#ifndef API
#  define API WINAPI
#endif
#include "wine_wintab.h"
#endif
HEADER

# The toolchain file is kept beside the installed Qt: Qt's own toolchain file
# loads it from there, whichever clone asked for the build.
mkdir -p "$prefix"
cp "$toolchain" "$prefix/mingw-w64.cmake"
host=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
log "configuring qtbase"
cmake -S "$qtbase" -B qtbase-build -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64.cmake" "${host[@]}" \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++ -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  "${features[@]}" > qtbase-configure.log 2>&1 \
  || { tail -n 60 qtbase-configure.log >&2; fail "configuring qtbase failed (log: $work/qtbase-configure.log)"; }
log "building qtbase"
nice -n 19 cmake --build qtbase-build --parallel "$jobs" > qtbase-build.log 2>&1 \
  || { tail -n 60 qtbase-build.log >&2; fail "building qtbase failed (log: $work/qtbase-build.log)"; }
cmake --install qtbase-build > qtbase-install.log 2>&1 \
  || { tail -n 30 qtbase-install.log >&2; fail "installing qtbase failed"; }

log "building Qt SerialPort"
tar -xJf "$serialport_tarball"
cmake -S qtserialport-everywhere-src-6.4.2 -B serialport-build -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake" "${host[@]}" \
  -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  > serialport-configure.log 2>&1 \
  || { tail -n 60 serialport-configure.log >&2; fail "configuring Qt SerialPort failed"; }
nice -n 19 cmake --build serialport-build --parallel "$jobs" > serialport-build.log 2>&1 \
  || { tail -n 60 serialport-build.log >&2; fail "building Qt SerialPort failed"; }
cmake --install serialport-build > serialport-install.log 2>&1 \
  || { tail -n 30 serialport-install.log >&2; fail "installing Qt SerialPort failed"; }

# The licences go into the Windows package with the libraries.
licenses=$prefix/licenses
mkdir -p "$licenses/qtbase/3rdparty" "$licenses/wintab"
cp -r "$qtbase/LICENSES/." "$licenses/qtbase/"
(cd "$qtbase/src/3rdparty" && find . -maxdepth 3 \( -iname 'LICENSE*' -o -iname 'COPYING*' -o -name FTL.TXT \
   -o -name qt_attribution.json \) -exec cp --parents {} "$licenses/qtbase/3rdparty/" \;)
cp -r qtserialport-everywhere-src-6.4.2/LICENSES "$licenses/qtserialport"
cp wine-dev/usr/share/doc/libwine-dev/copyright "$licenses/wintab/copyright"

echo "$inputs" > "$prefix/.inputs"
cd "$cache_root"
rm -rf "$work"
log "Qt for Windows is in $prefix ($(du -sh "$prefix" | cut -f1))"
echo "$prefix"
