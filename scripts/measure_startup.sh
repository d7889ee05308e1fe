#!/usr/bin/env bash
# Cold start to the first idle main window, beside a bare wx frame built in the same tree.
# Usage: scripts/measure_startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-15}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

median_ms() {  # median_ms COMMAND...: median wall time of RUNS runs, in milliseconds
  local times=()
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data GLINTWICK_EXIT_WHEN_IDLE=1 \
      NO_AT_BRIDGE=1 "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p"
}

run() {
  local program_ms bare_ms
  program_ms=$(median_ms "$build/bin/glintwick" examples/demo.gwk)
  bare_ms=$(median_ms "$build/bin/bare_frame")
  echo "glintwick, demo project, to first idle   ${program_ms} ms (median of $runs)"
  echo "bare wx frame, same build, to first idle  ${bare_ms} ms (baseline, same run)"
  awk -v a="$program_ms" -v b="$bare_ms" 'BEGIN { printf "ratio                                    %.2fx\n", a / b }'
}

# Without a display the script runs itself again under a virtual X server.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a "$0" "$build" "$runs"
fi
run
