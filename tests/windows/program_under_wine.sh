#!/usr/bin/env bash
# glintwick.exe on a Windows desktop under Wine (run inside xvfb-run): the caption, the recent
# file and the file type in the registry, a file held by another process, the association over
# several starts, the program's resources, moves and undo by real keys and pointer, a path over
# 300 characters, German on a German Windows, its size on a screen of higher density, and a
# picture of the main window.
# Usage: program_under_wine.sh BUILD_FOLDER EXAMPLES_FOLDER SCREENSHOT.png VERSION LINUX_CLI
set -euo pipefail
build=$1 examples=$2 screenshot=$3 version=$4 linux_cli=$5
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine_env.sh" "$build/wine-program"
program=$(windows_path "$build/bin/glintwick.exe")
# The probe inside the desktop; its console lines end in CR LF.
probe() { wine "$build/bin/winprobe.exe" "$@" | tr -d '\r'; }
wine_fresh_prefix
# A desktop of Wine's own draws the windows' frames as Windows does, without a window manager.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1000x740 /f >/dev/null

files="$build/wine-program-files"
rm -rf "$files" && mkdir -p "$files"
project="$files/D\xc3\xa9mo \xe6\x97\xa5\xe6\x9c\xac.gwk"
project=$(printf "$project")
cp "$examples/demo.gwk" "$project"
name=$(basename "$project")
caption="$name - Glintwick by Orvane"
classes='Software\Classes'

# The program's file type as the system's own registry tool exports it, in UTF-8.
file_type() {
  wine reg export "HKCU\\$classes\\OrvaneGWK.Document" "$(windows_path "$files/type.reg")" /y >/dev/null
  iconv -f UTF-16 -t UTF-8 "$files/type.reg" | tr -d '\r' | grep -v '^Windows Registry Editor' | sed '/^$/d'
}
extension() { wine reg query "HKCU\\$classes\\.gwk" /ve | tr -d '\r' | sed -n 's/.*REG_SZ *//p'; }
# Starts the program in the background; its process is $pid.
start() {
  wine "$program" "$@" >/dev/null 2>&1 &
  pid=$!
}
# Waits until the holding probe has the file open (it runs without the probe function's filter,
# which would keep its line back until it ends).
wait_until_held() {
  for _ in $(seq 600); do
    grep -q held "$files/hold.log" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "the probe could not hold the project"
}

# Closes the window and waits for the program, which must end well.
close_and_wait() {
  probe close "$1" || fail "no window titled $1 to close"
  local status=0
  wait "$2" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

echo "0. The program's resources: icon 128 first, the manifest's demands, the version"
resources=$(probe resources "$program")
expected="first icon: 128, 16 32 48 256
manifest: PerMonitorV2
manifest: true/pm
manifest: Microsoft.Windows.Common-Controls
manifest: asInvoker
manifest: longPathAware
ProductName: Glintwick
FileVersion: $version
CompanyName: Orvane Software
OriginalFilename: glintwick.exe"
[ "$resources" = "$expected" ] || fail "the program's resources are: $resources"
cli_resources=$(probe resources "$(windows_path "$build/bin/glintwick-cli.exe")")
[ "$cli_resources" = "${expected/%glintwick.exe/glintwick-cli.exe}" ] ||
  fail "the command-line tool's resources are: $cli_resources"

echo "1. A project named on the command line opens and becomes File1"
start "$(windows_path "$project")"
probe window "$caption" 90 >/dev/null || fail "no window titled \"$caption\""
file1=$(probe regget 'Software\Tallowmere\Glintwick\Recent File List' File1)
[ "$file1" = "$(windows_path "$project")" ] || fail "File1 is \"$file1\""
wine reg query 'HKCU\Software\Tallowmere\Glintwick\Recent File List' /v File1 >/dev/null || fail "reg finds no File1"

echo "2. The file type, as designed: description, open command, .gwk, nothing else"
type=$(file_type)
command=$(printf '%s\n' "$type" | sed -n 's/^@="\(.*\) \\"%1\\""$/\1/p' | sed 's/\\\\/\\/g')
[ -n "$command" ] || fail "no open command of the form PROGRAM \"%1\" in: $type"
[ "$(probe longpath "$command")" = "$program" ] || fail "the open command's program $command is not $program"
expected="[HKEY_CURRENT_USER\\Software\\Classes\\OrvaneGWK.Document]
@=\"Glintwick Document\"
[HKEY_CURRENT_USER\\Software\\Classes\\OrvaneGWK.Document\\shell]
[HKEY_CURRENT_USER\\Software\\Classes\\OrvaneGWK.Document\\shell\\open]
[HKEY_CURRENT_USER\\Software\\Classes\\OrvaneGWK.Document\\shell\\open\\command]"
[ "$(printf '%s\n' "$type" | grep -v '^@="[^G]')" = "$expected" ] || fail "the file type holds more or less: $type"
[ "$(extension)" = "OrvaneGWK.Document" ] || fail ".gwk is mapped to \"$(extension)\""

echo "3. Saving a project that another process holds with deny-write sharing"
before=$(sha256sum "$project")
rm -f "$files/release"
wine "$build/bin/winprobe.exe" hold "$(windows_path "$project")" read read "$(windows_path "$files/release")" >"$files/hold.log" &
holder=$!
wait_until_held
probe command "$caption" 27603  # File > Save: 57603 less 30000
message=$(probe message 30) || fail "no message after Save"
printf '%s\n' "$message" | grep -qxF "Static: A sharing violation occurred while accessing $(windows_path "$project")." ||
  fail "the message was: $message"
printf '%s\n' "$message" | grep -qx "icon: exclamation" || fail "the failed save's message shows: $message"
touch "$files/release"
wait "$holder"
[ "$(sha256sum "$project")" = "$before" ] || fail "the held project changed"
close_and_wait "$caption" "$pid"

echo "4. A second start leaves the association and the recent file as they are"
start
probe window "Untitled - Glintwick by Orvane" 90 >/dev/null || fail "no untitled window"
# The empty list shows its column headers at once, not only after the window changes size.
header=$(probe header "Untitled - Glintwick by Orvane")
[[ "$header" =~ ^([0-9]+)x([0-9]+) ]] && [ "${BASH_REMATCH[1]}" -ge 300 ] &&
  [ "${BASH_REMATCH[2]}" -ge 10 ] || fail "the effects list's column headers: \"$header\""
[ "$(file_type)" = "$type" ] || fail "the file type changed at the second start"
[ "$(extension)" = "OrvaneGWK.Document" ] || fail ".gwk lost its mapping"
[ "$(probe regget 'Software\Tallowmere\Glintwick\Recent File List' File1)" = "$file1" ] || fail "File1 changed"
close_and_wait "Untitled - Glintwick by Orvane" "$pid"

echo "5. Another program's mapping of .gwk stays"
wine reg add "HKCU\\$classes\\.gwk" /ve /d Other.Document /f >/dev/null
start
probe window "Untitled - Glintwick by Orvane" 90 >/dev/null || fail "no untitled window"
[ "$(extension)" = "Other.Document" ] || fail ".gwk was taken from another type: $(extension)"
[ "$(file_type)" = "$type" ] || fail "the file type is not registered beside the other mapping"
close_and_wait "Untitled - Glintwick by Orvane" "$pid"

echo "6. A project held exclusively, named on the command line: the message, then no window"
rm -f "$files/release"
wine "$build/bin/winprobe.exe" hold "$(windows_path "$project")" read none "$(windows_path "$files/release")" >"$files/hold.log" &
holder=$!
wait_until_held
start "$(windows_path "$project")"
message=$(probe message 60) || fail "no message for the held project"
printf '%s\n' "$message" | grep -qxF "Static: A sharing violation occurred while accessing $(windows_path "$project")." ||
  fail "the message was: $message"
wait "$pid" || true
probe gone "$caption" 1 || fail "the main window showed after the failed open"
touch "$files/release"
wait "$holder"

echo "7. The main window on the demo project, pictured"
cp "$examples/demo.gwk" "$files/demo.gwk"
start "$(windows_path "$files/demo.gwk")"
geometry=$(probe window "demo.gwk - Glintwick by Orvane" 90) || fail "no window for the demo"
sleep 2  # the start-up picture shows for a second
mkdir -p "$(dirname "$screenshot")"
read -r x y width height <<<"$geometry"
# Without date chunks, the same picture is the same file.
import -window root -crop "${width}x${height}+${x}+${y}" +repage -define png:exclude-chunks=date,time "$screenshot"

echo "8. Help > Contents opens the system's HTML Help viewer on the help file beside the program"
probe command "demo.gwk - Glintwick by Orvane" 2771  # Help > Contents: 32771 less 30000
probe window "Glintwick Help" 60 >/dev/null || fail "no help viewer titled by glintwick.chm"
close_and_wait "demo.gwk - Glintwick by Orvane" "$pid"

echo "9. Real keys and pointer: Alt+Down and a dragged row move, Ctrl+Z takes each back, Ctrl+S saves"
cp "$examples/demo.gwk" "$files/keys.gwk"
start "$(windows_path "$files/keys.gwk")"
read -r x y _ _ <<<"$(probe window "keys.gwk - Glintwick by Orvane" 90)" || fail "no window for keys.gwk"
sleep 2
# The first four texts of the saved file ($files/keys.gwk unless named), as the Linux
# command-line tool reads them.
saved_order() {
  xdotool key ctrl+s
  sleep 1
  "$linux_cli" show "${1:-$files/keys.gwk}" |
    python3 -c 'import json,sys; print("|".join(e["text"][:6] for e in json.load(sys.stdin)["effects"][:4]))'
}
# Rows are 21 pixels apart; the first row's middle is 78 pixels below the window's top.
row() { echo $((x + 80)) $((y + 78 + 21 * $1)); }
xdotool mousemove $(row 0) click 1
sleep 0.5
xdotool key alt+Down
[ "$(saved_order)" = "Fresh |Welcom|Scroll|*** Bi" ] || fail "Alt+Down did not move the first row: $(saved_order)"
xdotool key ctrl+z
[ "$(saved_order)" = "Welcom|Fresh |Scroll|*** Bi" ] || fail "Ctrl+Z did not undo the move"
xdotool mousemove $(row 0) mousedown 1
for step in 1 2 3 4 5 6 7 8; do
  read -r px py <<<"$(row 0)"
  xdotool mousemove "$px" $((py + step * 42 / 8))
  sleep 0.1
done
sleep 0.3
xdotool mouseup 1
sleep 1
[ "$(saved_order)" = "Fresh |Scroll|Welcom|*** Bi" ] || fail "the first row dragged onto the third: $(saved_order)"
xdotool key ctrl+z
[ "$(saved_order)" = "Welcom|Fresh |Scroll|*** Bi" ] || fail "Ctrl+Z did not undo the drag"
# The Delete key asks with the question mark; the probe's OK is no Yes.
xdotool mousemove $(row 0) click 1
sleep 0.5
xdotool key Delete
question=$(probe message 30) || fail "no question after Delete"
printf '%s\n' "$question" | grep -qx "icon: question" || fail "the Delete question shows: $question"
close_and_wait "keys.gwk - Glintwick by Orvane" "$pid"

echo "10. A project whose path is over 300 characters opens, saves and becomes File1"
deep="$files/$(printf 'd%.0s' $(seq 150))/$(printf 'e%.0s' $(seq 150))"
mkdir -p "$deep"
cp "$examples/demo.gwk" "$deep/long.gwk"
long_path=$(windows_path "$deep/long.gwk")
[ ${#long_path} -gt 300 ] || fail "the long path has ${#long_path} characters"
start "$long_path"
probe window "long.gwk - Glintwick by Orvane" 90 >/dev/null || fail "no window for the long path"
[ "$(probe regget 'Software\Tallowmere\Glintwick\Recent File List' File1)" = "$long_path" ] ||
  fail "File1 is not the long path"
read -r x y _ _ <<<"$(probe window "long.gwk - Glintwick by Orvane" 10)"
sleep 2
xdotool mousemove $(row 0) click 1
sleep 0.5
xdotool key alt+Down
[ "$(saved_order "$deep/long.gwk")" = "Fresh |Welcom|Scroll|*** Bi" ] ||
  fail "Ctrl+S did not save the long path's project"
close_and_wait "long.gwk - Glintwick by Orvane" "$pid"

echo "11. In a German Windows the program speaks German: caption, controls and menus"
LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 wine "$program" >/dev/null 2>&1 &
pid=$!
untitled="Unbenannt - Glintwick by Orvane"
probe window "$untitled" 90 >/dev/null || fail "no window titled \"$untitled\""
sleep 2
texts=$(probe texts "$untitled" | paste -sd '|')
[[ "$texts" == *"|&Neu hinzufügen|Bearbe&iten|&Löschen|"* ]] || fail "the German window's controls: $texts"
# Alt+D opens Datei, the German File menu.
xdotool key alt+d
probe popup 10 || fail "Alt+D opened no menu"
import -window root -define png:exclude-chunks=date,time "$(dirname "$screenshot")/windows-de.png"
xdotool key Escape Escape
close_and_wait "$untitled" "$pid"

echo "12. At 144 dots per inch the window's dialog units make it half as large again"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
wineserver -k  # the density is read as Wine starts
start "$(windows_path "$files/demo.gwk")"
large=$(probe window "demo.gwk - Glintwick by Orvane" 90) || fail "no window at 144 dots per inch"
read -r _ _ large_width large_height <<<"$large"
[ $((large_width * 10)) -ge $((width * 14)) ] && [ $((large_height * 10)) -ge $((height * 13)) ] ||
  fail "at 144 dots per inch the window is ${large_width}x${large_height}, at 96 ${width}x${height}"
echo "   ${width}x${height} at 96 dots per inch, ${large_width}x${large_height} at 144"
close_and_wait "demo.gwk - Glintwick by Orvane" "$pid"
wineserver -k
echo "glintwick.exe under Wine: all checks passed"
