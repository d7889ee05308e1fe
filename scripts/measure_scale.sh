#!/usr/bin/env bash
# A project of a million effects in the real program: command line to idle window beside the
# core's own load of the same file, and the program's peak memory beside the file's size and
# the empty program's; beside them the native list's own cost for as many rows, in a bare frame.
# Usage: scripts/measure_scale.sh [BUILD_DIR] [EFFECTS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
effects=${2:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Without a display the script runs itself again under a virtual X server.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a "$0" "$build" "$effects"
fi

project=$work/scale.gwk
"$build/bin/scale_project" write "$project" "$effects"

measure() {  # measure REPORT PROGRAM...: runs under measure_run, prints the program's stderr
  HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data GLINTWICK_EXIT_WHEN_IDLE=1 \
    NO_AT_BRIDGE=1 "$build/bin/measure_run" "$1" 120 -- "${@:2}" 2>&1 >/dev/null
}

median() { sort -n | sed -n "$(( ($1 + 1) / 2 ))p"; }

runs=3
open_ms=$(for _ in $(seq $runs); do measure "$work/open" "$build/bin/glintwick" "$project" |
  sed -n 's/^glintwick: idle after \([0-9]*\) ms/\1/p'; done | median $runs)
load_ms=$(for _ in $(seq $runs); do "$build/bin/scale_project" load "$project"; done | median $runs)
bare_ms=$(for _ in $(seq $runs); do NO_AT_BRIDGE=1 "$build/bin/bare_frame" "$effects" 2>&1 >/dev/null |
  sed -n 's/^bare: idle after \([0-9]*\) ms/\1/p'; done | median $runs)
empty_ms=$(for _ in $(seq $runs); do NO_AT_BRIDGE=1 "$build/bin/bare_frame" 2>&1 >/dev/null |
  sed -n 's/^bare: idle after \([0-9]*\) ms/\1/p'; done | median $runs)
peak_kb=$(cut -d' ' -f3 "$work/open")
measure "$work/empty" "$build/bin/glintwick" >/dev/null
empty_kb=$(cut -d' ' -f3 "$work/empty")
file_mb=$(awk -v b="$(stat -c %s "$project")" 'BEGIN { printf "%.0f", b / 1048576 }')

echo "scale: open $effects effects: $open_ms ms (core load $load_ms ms, $(awk -v a="$open_ms" -v b="$load_ms" 'BEGIN { printf "%.1f", a / b }')x)"
echo "scale: bare wx frame with a list of $effects empty rows: $bare_ms ms (without the list $empty_ms ms)"
echo "scale: peak memory $(( peak_kb / 1024 )) MB for a $file_mb MB file (empty program $(( empty_kb / 1024 )) MB)"
