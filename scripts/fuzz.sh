#!/usr/bin/env bash
# Builds the fuzz targets with clang and fuzzes the receive path: the line
# cutter and the dispatch alone (fuzz_line_cutter, fast: default 1,500,000
# executions), then the whole window with its real handlers
# (fuzz_receive_path, slowed by laying out text: default 250,000); then
# tagorix's command line, its parser and completion (fuzz_command_line:
# default 50,000), and the profile and custom-code file readers
# (fuzz_file_readers: default 30,000).
#   scripts/fuzz.sh [cutter-executions [window-executions [command-line-executions [file-executions]]]]
# FUZZ_MAX_SECONDS (default 300) caps each target's run so that a slow machine
# cannot stall CI; a run that reaches the cap says so.
set -euo pipefail
cd "$(dirname "$0")/.."
cutter_runs=${1:-1500000}
window_runs=${2:-250000}
command_line_runs=${3:-50000}
file_runs=${4:-30000}
max_seconds=${FUZZ_MAX_SECONDS:-300}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTAGORIX_FUZZ=ON -DTAGORIX_TESTS=OFF -DTAGORIX_BENCH=OFF -DTAGORIX_FRESH_BUILD=ON > build-fuzz.configure.log 2>&1 \
  || { cat build-fuzz.configure.log; exit 1; }
ninja -C build-fuzz -j2 fuzz_line_cutter fuzz_receive_path fuzz_command_line fuzz_file_readers
# ASan's allocator keeps freed memory, so resident size climbs over a long
# run although the live heap stays flat. Past half of -rss_limit_mb libFuzzer
# then purges the allocator every second and slows to a crawl. A smaller
# quarantine and a higher limit keep it clear of that. Recording a stack for
# every allocation costs a fifth of the run; a failing input saved by the run
# replays with ASAN_OPTIONS unset to show where the memory came from. Leaks
# are not looked for, so libFuzzer need not run inputs twice to find them.
export ASAN_OPTIONS=detect_leaks=0:quarantine_size_mb=64:malloc_context_size=0
export QT_QPA_PLATFORM=offscreen

# The receive path's two targets read the same input layout, so they share
# the seeds; each target keeps a corpus of its own, as coverage differs.
fuzz() {
  local target=$1 runs=$2 seeds=fuzz/seeds/$3 max_len=$4
  local log=build-fuzz/$target.log
  mkdir -p "build-fuzz/corpus-$target"
  echo "== $target: up to $runs executions, at most $max_seconds s"
  # Only the progress pulses reach the console; the whole output is in $log.
  "build-fuzz/fuzz/$target" -runs="$runs" -max_total_time="$max_seconds" -detect_leaks=0 \
    -max_len="$max_len" -rss_limit_mb=4096 -print_final_stats=1 "build-fuzz/corpus-$target" "$seeds" > "$log" 2>&1 \
    || { tail -n 60 "$log"; exit 1; }
  grep -E 'pulse|^Done' "$log"
  local done_runs per_second
  done_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  per_second=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  echo "$target: ${done_runs:-0} executions, ${per_second:-0} exec/s"
  if [ "${done_runs:-0}" -lt "$runs" ]; then
    echo "$target: stopped by the ${max_seconds} s cap after ${done_runs:-0} of $runs executions"
  fi
}
fuzz fuzz_line_cutter "$cutter_runs" receive 2048
fuzz fuzz_receive_path "$window_runs" receive 2048
fuzz fuzz_command_line "$command_line_runs" command-line 512
fuzz fuzz_file_readers "$file_runs" files 4096
