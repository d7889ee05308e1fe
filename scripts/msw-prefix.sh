#!/usr/bin/env bash
# Prints the prefix of the MSW libraries, building them first if this machine has none; one
# build at a time (CI starts it early in the background), the others wait for it.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cache=${GLINTWICK_MSW_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/glintwick}
mkdir -p "$cache"
exec flock "$cache/msw-build.lock" nice "$here/msw-libs.sh"
