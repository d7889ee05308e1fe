#!/usr/bin/env bash
# Compiles the help pages into the program's compiled HTML help file with chmcmd (fp-utils).
# chmcmd 3.2.2 stores each numbered topic under the project folder's absolute path, which the
# viewer cannot find inside the file; run in a private mount namespace whose root is a copy of
# the pages, the project folder is "/" and each topic is stored as "/page.html".
# Usage: scripts/build-chm.sh HELP_FOLDER OUTPUT.chm
set -euo pipefail
help=$(cd "$1" && pwd)
output=$2
work=$(mktemp -d)
# --one-file-system: nothing of /usr is ever removed, even if the mount were seen here.
trap 'rm -rf --one-file-system "$work"' EXIT
cp "$help"/* "$work"/
mkdir "$work/usr"
for link in bin lib lib64; do [ -e "/$link" ] && ln -s "usr/$link" "$work/$link"; done
chmcmd=$(readlink -f "$(command -v chmcmd)")
# A user namespace lends a user other than root the right to mount and change the root.
as_root=""
[ "$(id -u)" -ne 0 ] && as_root="-r"
unshare $as_root -m sh -c 'mount --rbind /usr "$1/usr" && cd "$1" && exec chroot . "$2" glintwick.hhp' \
  sh "$work" "$chmcmd" >"$work.log" 2>&1 || { cat "$work.log" >&2; rm -f "$work.log"; exit 1; }
rm -f "$work.log"
cp "$work/glintwick.chm" "$output"
