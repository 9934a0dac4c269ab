#!/usr/bin/env bash
# Builds the fuzz targets with clang and fuzzes the receive path for the given
# number of seconds (default 600; FUZZ_SECONDS also sets it).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-${FUZZ_SECONDS:-600}}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTAGORIX_FUZZ=ON -DTAGORIX_TESTS=OFF -DTAGORIX_BENCH=OFF > build-fuzz.configure.log 2>&1 \
  || { cat build-fuzz.configure.log; exit 1; }
ninja -C build-fuzz -j2 fuzz_receive_path
mkdir -p build-fuzz/corpus
export ASAN_OPTIONS=detect_leaks=0
# Progress lines only every 2^k runs keep the log short.
QT_QPA_PLATFORM=offscreen build-fuzz/fuzz/fuzz_receive_path -max_total_time="$seconds" -max_len=4096 \
  -print_final_stats=1 build-fuzz/corpus fuzz/seeds 2>&1 \
  | grep -v -E '^#[0-9]+[[:space:]]+(NEW|REDUCE)'
