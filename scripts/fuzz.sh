#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs the receive-path fuzzer for the
# given number of executions (default one million).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-1000000}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTAGORIX_FUZZ=ON -DTAGORIX_TESTS=OFF -DTAGORIX_BENCH=OFF > build-fuzz.configure.log 2>&1 \
  || { cat build-fuzz.configure.log; exit 1; }
ninja -C build-fuzz -j2 fuzz_receive_path
mkdir -p build-fuzz/corpus
export ASAN_OPTIONS=detect_leaks=0
QT_QPA_PLATFORM=offscreen build-fuzz/fuzz/fuzz_receive_path -runs="$runs" -max_len=4096 \
  -print_final_stats=1 build-fuzz/corpus fuzz/seeds
