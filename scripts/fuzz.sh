#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60), starting from
# the committed seed corpus. Usage: scripts/fuzz.sh [SECONDS] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${2:-build-fuzz}
CXX=clang++ cmake -S . -B "$build" -DGLINTWICK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null
for fuzzer in LoadFuzzer RoundTripFuzzer; do
  corpus=$build/corpus-$fuzzer
  mkdir -p "$corpus"
  log=$build/$fuzzer.log
  status=0
  "$build/bin/$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/$fuzzer-" "$corpus" tests/fuzz/corpus >"$log" 2>&1 || status=$?
  echo "== $fuzzer, $seconds s: $(grep -E '^#[0-9]+.*DONE' "$log" | tail -n1)"
  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$log" || true
  if [ "$status" -ne 0 ]; then
    grep -E 'ERROR|SUMMARY|artifact' "$log" | head -n 20
    echo "$fuzzer failed (status $status); the input is saved beside $log"
    exit 1
  fi
done
