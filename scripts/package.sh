#!/usr/bin/env bash
# Builds the tool and the simulator in a Release tree and makes the Debian
# package tagorix-tool_<version>_amd64.deb with CPack; prints its path.
# Environment: TAGORIX_PACKAGE_BUILD (build folder, default build-package).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TAGORIX_PACKAGE_BUILD:-$root/build-package}

# dpkg-shlibdeps (dpkg-dev) and file find the dependencies on shared libraries.
"$root/scripts/install-deps.sh" dpkg-dev file >&2
# Debian's hardening flags, without the debugging information the package
# strips anyway.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags=$(dpkg-buildflags --get CXXFLAGS | sed -E 's/(^| )-g( |$)/ /')
cxxflags="$cxxflags $(dpkg-buildflags --get CPPFLAGS)"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAGORIX_TESTS=OFF -DTAGORIX_BENCH=OFF -DTAGORIX_FRESH_BUILD=ON \
      -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
      >"$build.configure.log" 2>&1 || { cat "$build.configure.log" >&2; exit 1; }
ninja -C "$build" -j2 tagorix-tool tagorix tagorix-sim tagorix-install-files >&2
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log" >&2; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/tagorix-tool_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "package: $deb was not made" >&2; cat "$build/cpack.log" >&2; exit 1; }
printf '%s\n' "$deb"
