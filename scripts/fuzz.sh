#!/usr/bin/env bash
# Builds the fuzz targets with clang and fuzzes the receive path for the given
# number of executions (default one million). FUZZ_MAX_SECONDS (default 900)
# caps the run's length so that a slow machine cannot stall CI; a run that
# reaches the cap says so.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-1000000}
max_seconds=${FUZZ_MAX_SECONDS:-900}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTAGORIX_FUZZ=ON -DTAGORIX_TESTS=OFF -DTAGORIX_BENCH=OFF > build-fuzz.configure.log 2>&1 \
  || { cat build-fuzz.configure.log; exit 1; }
ninja -C build-fuzz -j2 fuzz_receive_path
mkdir -p build-fuzz/corpus
# ASan's allocator keeps freed memory, so resident size climbs over a long
# run although the live heap stays flat. Past half of -rss_limit_mb libFuzzer
# then purges the allocator every second and slows to a crawl. A smaller
# quarantine and a higher limit keep it clear of that. Recording a stack for
# every allocation costs a fifth of the run; a failing input saved by the run
# replays with ASAN_OPTIONS unset to show where the memory came from.
export ASAN_OPTIONS=detect_leaks=0:quarantine_size_mb=64:malloc_context_size=0
log=build-fuzz/fuzz.log
# Only the progress pulses reach the console; the whole output is in $log.
QT_QPA_PLATFORM=offscreen build-fuzz/fuzz/fuzz_receive_path -runs="$runs" -max_total_time="$max_seconds" \
  -max_len=2048 -rss_limit_mb=4096 -print_final_stats=1 build-fuzz/corpus fuzz/seeds > "$log" 2>&1 \
  || { tail -n 60 "$log"; exit 1; }
grep -E 'pulse|^Done|^stat::' "$log"
done_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
if [ "${done_runs:-0}" -lt "$runs" ]; then
  echo "fuzz: stopped by the ${max_seconds} s cap after ${done_runs:-0} of $runs executions"
fi
