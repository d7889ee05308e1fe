# The Wine environment of the Windows tests, sourced by each of them: a prefix of the test's
# own under the build folder, quiet, and kept off the Linux desktop.
# Usage: . tests/windows/wine_env.sh PREFIX_FOLDER
case "$1" in
  */wine-*) ;;
  *) echo "wine_env.sh: the prefix folder's name must start with wine-: $1" >&2; exit 2 ;;
esac
export WINEPREFIX="$1" WINEDEBUG=-all LANG=C.UTF-8 LC_ALL=C.UTF-8
# No Mono or Gecko installers; no menu entries or file types written for the Linux desktop; a
# program that crashes ends at once instead of waiting in the debugger.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe,winedbg.exe=d"

# A new, empty prefix; the Wine server of the old one is stopped first.
wine_fresh_prefix() {
  [ -d "$WINEPREFIX" ] && { wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"; }
  wineboot --init >/dev/null 2>&1
  wineserver -w
}

# A Wine server that stays between the tests' many short programs, with the system's services
# already running: started by a test's own program, a service would hold that program's output
# pipe open after it ended.
wine_keep_server() {
  wineserver -p
  wineboot >/dev/null 2>&1 </dev/null
}

# A Linux path as Windows programs under Wine see it (the Z: drive is the root folder).
windows_path() { printf 'Z:%s' "$1" | tr '/' '\\'; }

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
