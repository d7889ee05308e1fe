#!/usr/bin/env bash
# glintwick-VERSION-setup.exe under Wine (run inside xvfb-run): a silent install puts both
# programs, the help file, the translations, the Start menu shortcut and the Apps & features
# entry in place, the installed programs run, neither a silent uninstall nor a reinstall runs
# while the program does, and a silent uninstall leaves no file or key of the product's own.
# Usage: installer_under_wine.sh BUILD_FOLDER VERSION EXAMPLES_FOLDER
set -euo pipefail
build=$1 version=$2 examples=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine_env.sh" "$build/wine-installer"
wine_fresh_prefix

folder="$WINEPREFIX/drive_c/Program Files/Glintwick"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Glintwick.lnk"
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Glintwick'
installed_files() { (cd "$folder" && find . -type f -exec sha256sum {} + | sort); }
reg_value() { wine reg query "$1" /v "$2" | tr -d '\r' | sed -n "s/.*$2 *REG_[A-Z_]* *//p"; }

echo "1. A silent install by an administrator (Wine's user is one) goes to Program Files"
wine "$build/glintwick-$version-setup.exe" /S
wineserver -w
for file in glintwick.exe glintwick-cli.exe glintwick.chm $(cd "$build/bin" && echo locale/*/LC_MESSAGES/glintwick.mo); do
  cmp -s "$folder/$file" "$build/bin/$file" || fail "$file is not installed as built"
done
[ -f "$folder/uninstall.exe" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start menu shortcut"
[ "$(reg_value "$entry" DisplayName)" = "Glintwick" ] || fail "no Apps & features entry"
[ "$(reg_value "$entry" DisplayVersion)" = "$version" ] || fail "the entry's version is wrong"
[ "$(reg_value "$entry" InstallLocation)" = 'C:\Program Files\Glintwick' ] || fail "the entry's folder is wrong"
[ "$(reg_value "$entry" UninstallString)" = '"C:\Program Files\Glintwick\uninstall.exe"' ] ||
  fail "the entry's uninstall command is wrong"

echo "2. The installed programs run"
[ "$(wine "C:\\Program Files\\Glintwick\\glintwick-cli.exe" --version | tr -d '\r')" = "glintwick-cli $version" ] ||
  fail "the installed CLI does not answer --version"
cp "$examples/demo.gwk" "$build/wine-installer-files.gwk"
tag=$(wine "C:\\Program Files\\Glintwick\\glintwick-cli.exe" generate \
  "$(windows_path "$build/wine-installer-files.gwk")" "$(windows_path "$build/installed.js")" | tr -d '\r')
[ "$tag" = "<SCRIPT SRC='installed.js'></SCRIPT>" ] || fail "the installed CLI printed: $tag"
wine "C:\\Program Files\\Glintwick\\glintwick.exe" >/dev/null 2>&1 &
program=$!
wine "$build/bin/winprobe.exe" window "Untitled - Glintwick by Orvane" 90 >/dev/null || fail "the installed program shows no window"
wine reg query 'HKCU\Software\Classes\OrvaneGWK.Document' >/dev/null || fail "the installed program registered no file type"

echo "3. While the program runs, neither a silent uninstall nor a silent reinstall touches a file"
before=$(installed_files)
status=0
# _?= runs the uninstaller in place, so that its status is its own; the folder must come without
# quotes, so by its short name (Wine makes its own: not always PROGRA~1).
in_place="_?=$(winepath -s 'C:\Program Files\Glintwick' | tr -d '\r')"
wine "$folder/uninstall.exe" /S "$in_place" || status=$?
[ "$status" -eq 2 ] || fail "the uninstaller ended with status $status while the program ran"
status=0
wine "$build/glintwick-$version-setup.exe" /S || status=$?
[ "$status" -eq 2 ] || fail "the installer ended with status $status while the program ran"
[ "$(installed_files)" = "$before" ] || fail "the files changed while the program ran"
[ "$(reg_value "$entry" DisplayName)" = "Glintwick" ] || fail "the Apps & features entry went while the program ran"
wine "$build/bin/winprobe.exe" close "Untitled - Glintwick by Orvane"
wait "$program" || true

echo "3b. A program file in use that the running check cannot see (Glintwick started after the"
echo "    uninstaller looked) stops the uninstall: nothing removed, status 2, the entry stays"
rm -f "$build/wine-installer-release"
wine "$build/bin/winprobe.exe" hold "C:\\Program Files\\Glintwick\\glintwick.exe" read none \
  "$(windows_path "$build/wine-installer-release")" >"$build/wine-installer-hold.log" &
holder=$!
for _ in $(seq 300); do grep -q held "$build/wine-installer-hold.log" 2>/dev/null && break; sleep 0.1; done
status=0
wine "$folder/uninstall.exe" /S "$in_place" || status=$?
touch "$build/wine-installer-release"
wait "$holder" || true
[ "$status" -eq 2 ] || fail "the uninstaller ended with status $status with its program in use"
[ "$(installed_files)" = "$before" ] || fail "files went while the program was in use"
[ "$(reg_value "$entry" DisplayName)" = "Glintwick" ] || fail "the Apps & features entry went while the program was in use"

echo "4. A silent uninstall removes every file and key of its own; the user's settings stay"
wine reg add 'HKCU\Software\Tallowmere\Glintwick\Recent File List' /v File1 /d 'C:\kept.gwk' /f >/dev/null
wine "$folder/uninstall.exe" /S
wineserver -w
[ ! -e "$folder" ] || fail "the program folder is still there: $(ls "$folder")"
[ ! -e "$shortcut" ] || fail "the Start menu shortcut is still there"
for key in "$entry" 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Glintwick' \
  'HKCU\Software\Classes\OrvaneGWK.Document' 'HKCU\Software\Classes\.gwk'; do
  if wine reg query "$key" >/dev/null 2>&1; then fail "$key is still there"; fi
done
left=$(find "$WINEPREFIX/drive_c" -iname '*glintwick*' -o -iname '*.gwk' | grep -v '/users/.*/Temp/' || true)
[ -z "$left" ] || fail "files left behind: $left"
[ "$(reg_value 'HKCU\Software\Tallowmere\Glintwick\Recent File List' File1)" = 'C:\kept.gwk' ] ||
  fail "the uninstaller removed the user's settings"
wineserver -k
echo "the installer under Wine: all checks passed"
