#!/usr/bin/env bash
# Builds and runs every test: the warnings-as-errors build, the same tests
# under AddressSanitizer and UndefinedBehaviorSanitizer, the Debian package
# (lints, and an install test where wanted), a short fuzzing run of the
# receive path, the command line and the file readers, and the Windows build
# under Wine where wanted. Installs what
# is missing first. Prints each stage's time.
#   scripts/test.sh [--install-test] [--windows]
# The install test puts the package into this machine and removes it again
# (purging an installed tagorix-tool first). It runs under CI (CI=true), with
# --install-test, or with TAGORIX_INSTALL_TEST=1; otherwise it is skipped.
# The Windows stage (scripts/windows.sh) builds its own Qt the first time
# (about 25 minutes on a quiet machine); it runs under CI, with --windows, or
# with TAGORIX_WINDOWS=1.
set -euo pipefail
cd "$(dirname "$0")/.."

install_test=${TAGORIX_INSTALL_TEST:-0}
windows=${TAGORIX_WINDOWS:-0}
[ "${CI:-}" = true ] && install_test=1 && windows=1
for argument in "$@"; do
  case $argument in
    --install-test) install_test=1 ;;
    --windows) windows=1 ;;
    *) echo "usage: scripts/test.sh [--install-test] [--windows]" >&2; exit 2 ;;
  esac
done

stage_start=$SECONDS
stage_name=
stage() {
  [ -n "$stage_name" ] && echo "$stage_name stage: $((SECONDS - stage_start)) s"
  stage_name=$1
  stage_start=$SECONDS
  [ -n "$stage_name" ] && echo "== $stage_name"
  return 0
}

jobs=2
run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" > "$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; return 1; }
  ninja -C "$dir" -j"$jobs"
  # Once: a test that fails only now and then is a race to find, not to retry.
  ctest --test-dir "$dir" -j"$jobs" --output-on-failure --timeout 600
}

stage "Dependencies"
scripts/install-deps.sh

stage "Tests (warnings are errors)"
run_suite build-ci -DCMAKE_BUILD_TYPE=Debug -DTAGORIX_WERROR=ON -DTAGORIX_FRESH_BUILD=ON

stage "Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DTAGORIX_WERROR=ON -DTAGORIX_SANITIZE=ON -DTAGORIX_BENCH=OFF \
  -DTAGORIX_FRESH_BUILD=ON
unset ASAN_OPTIONS UBSAN_OPTIONS

stage "Debian package"
deb=$(scripts/package.sh)
if ((install_test)); then
  scripts/check-package.sh --install "$deb"
else
  scripts/check-package.sh "$deb"
fi

stage "Fuzzing the receive path, the command line and the file readers"
scripts/fuzz.sh
if ((windows)); then
  stage "Windows build under Wine"
  scripts/windows.sh
else
  echo "Windows build under Wine: skipped (CI=true, --windows or TAGORIX_WINDOWS=1 runs it)"
fi

stage ""
echo "all stages: $SECONDS s"
