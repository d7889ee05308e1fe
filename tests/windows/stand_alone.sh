#!/usr/bin/env bash
# The Windows programs need no DLL beside them: every DLL they import is one of the system's
# (as Wine provides them), none of the compiler's runtime, wxWidgets, libpng or zlib.
# Usage: stand_alone.sh PROGRAM.exe...
set -euo pipefail
system=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
status=0
for program in "$@"; do
  dlls=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\tDLL Name: //p')
  [ -n "$dlls" ] || { echo "FAIL: $program imports nothing, which no program does" >&2; status=1; }
  for dll in $dlls; do
    if [ ! -e "$system/$(echo "$dll" | tr 'A-Z' 'a-z')" ]; then
      echo "FAIL: $(basename "$program") needs $dll, which is no system DLL" >&2
      status=1
    fi
  done
  echo "$(basename "$program"): $(echo $dlls)"
done
exit $status
