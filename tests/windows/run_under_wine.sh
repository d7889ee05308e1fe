#!/usr/bin/env bash
# Runs a test in a new Wine prefix of its own: a Windows program (.exe) under Wine, or a Linux
# program (node) that starts Windows programs itself; the Wine server stays up meanwhile.
# Usage: run_under_wine.sh PREFIX_FOLDER PROGRAM [ARGUMENT...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine_env.sh" "$1"
shift
wine_fresh_prefix
wine_keep_server
status=0
case "$1" in
  *.exe) wine "$@" || status=$? ;;
  *) "$@" || status=$? ;;
esac
wineserver -k
exit $status
