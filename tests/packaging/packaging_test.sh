#!/usr/bin/env bash
# The packaging files against the programs: versions, manual pages, the copyright file, the ids
# that tie the menu entry, AppStream and the mime type together, and the icons as drawn.
set -u
gui=$(realpath "$1")
cli=$(realpath "$2")
src=$(realpath "$3")
out=$(realpath "$4")  # the build's packaging folder
version=$5            # the CMake project version
# shellcheck source=../check.sh
source "$(dirname "$0")/../check.sh"
metainfo=$src/resources/desktop/example.orvane.glintwick.metainfo.xml

# Both programs print the project version, with no display to open.
for program in "$gui" "$cli"; do
  name=$(basename "$program")
  check "$name --version" "$name $version" "$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version 2>&1)"
done

# The program's command line needs no display either: --help is the usage on stdout and status
# 0; a mistake is one line and a pointer to --help on stderr, status 2.
while IFS='|' read -r args expected; do
  read -ra words <<<"$args"
  actual=$(env -u DISPLAY -u WAYLAND_DISPLAY "$gui" "${words[@]}" 2>&1 >/dev/null; echo "status $?")
  check "glintwick $args" "$expected" "$(echo "$actual" | head -1) $(echo "$actual" | tail -1)"
done <<'EOF'
--help|status 0 status 0
--bogus x.gwk|glintwick: unknown option '--bogus' status 2
a.gwk b.gwk|glintwick: one project at a time: 'b.gwk' is a second one status 2
EOF
check "glintwick --help on stdout" 1 "$(env -u DISPLAY "$gui" --help 2>/dev/null | grep -c '^  -h, --help')"
check "glintwick mistake's pointer" "Try 'glintwick --help'." \
  "$(env -u DISPLAY "$gui" --bogus 2>&1 | tail -1)"
check "glintwick --help to a full disk" "glintwick: write error: No space left on device status 1" \
  "$(env -u DISPLAY "$gui" --help 2>&1 >/dev/full | tr '\n' ' '; echo "status ${PIPESTATUS[0]}")"

# One Glintwick in the menus: the menu entry, which also opens .gwk files; the document type's
# entry is hidden, and both have the same generic name.
shown=$(grep -L '^NoDisplay=true$' "$src"/resources/desktop/*.desktop | xargs -n1 basename)
check "entries shown in menus" "example.orvane.glintwick.desktop" "$shown"
check "the menu entry opens projects" "MimeType=application/x-glintwick-project;" \
  "$(grep '^MimeType=' "$src/resources/desktop/example.orvane.glintwick.desktop")"
check "one generic name" 1 "$(grep -h '^GenericName=' "$src"/resources/desktop/*.desktop | sort -u | wc -l)"

# The installed menu entries, AppStream data and mime type speak every catalogue's language.
for po in "$src"/po/*.po; do
  lang=$(basename "$po" .po)
  check "the menu entry in $lang" "Name GenericName Comment Keywords" \
    "$(grep -oP "^[A-Za-z]+(?=\\[$lang\\]=)" "$out/desktop/example.orvane.glintwick.desktop" | paste -sd ' ')"
  check "AppStream's texts in $lang" "name summary p li li li li p caption p" \
    "$(grep -oP "<[a-z]+(?= xml:lang=\"$lang\")" "$out/desktop/example.orvane.glintwick.metainfo.xml" |
      grep -v keyword | sed 's/<//' | paste -sd ' ')"
  check "the project type's name in $lang" 1 \
    "$(grep -c "<comment xml:lang=\"$lang\">" "$out/desktop/glintwick.xml")"
done

# The histories' newest entries are this version.
check "changelog's newest entry" "glintwick ($version) unstable; urgency=medium" \
  "$(head -n 1 "$src/packaging/debian/changelog")"
check "metainfo's newest release" "$version" \
  "$(grep -o -m 1 '<release version="[^"]*"' "$metainfo" | cut -d '"' -f 2)"

# Manual pages render without a warning, name the version, and have an entry for every
# command and option that glintwick-cli's usage lists.
for page in glintwick glintwick-cli; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
    "$out/man/$page.1" 2>&1 >/dev/null)
  check "$page(1) renders without warnings" "" "$warnings"
  check "$page(1) names the version" 1 "$(grep -c "^\.TH .* \"Glintwick $version\"" "$out/man/$page.1")"
  check "$page(1) is installed compressed" same \
    "$(gunzip -c "$out/$page.1.gz" | cmp -s - "$out/man/$page.1" && echo same)"
done
# glintwick-cli(1)'s synopsis is the usage's, line for line (the page sets operands in lower
# case).
check "glintwick-cli(1)'s synopsis is the usage's" \
  "$("$cli" --help | awk '$1 == "glintwick-cli"' | sed 's/^ *//' | tr 'A-Z' 'a-z')" \
  "$(MANWIDTH=200 man -l "$out/man/glintwick-cli.1" 2>/dev/null |
    sed -n '/^SYNOPSIS/,/^DESCRIPTION/p' | sed '1d;$d;s/^ *//' | grep . | tr 'A-Z' 'a-z')"
# The words that open a page's tagged paragraphs (.TP), where commands and options are told.
entries() {
  awk 'prev == ".TP" { print } { prev = $0 }' "$out/man/$1.1" |
    sed 's/\\-/-/g; s/^\.BR\? //; s/\\f[IRB]//g; s/[",]/ /g' | tr ' ' '\n' |
    grep -E '^-{0,2}[a-z][-a-z]*$'
}
usage=$("$cli" --help | awk '$1 == "glintwick-cli" { print $2 }'; echo --trace; echo --ticks)
for word in $usage; do
  check "glintwick-cli(1) has an entry for $word" "$word" "$(entries glintwick-cli | grep -x -- "$word")"
done
for word in --help --version; do
  check "glintwick(1) has an entry for $word" "$word" "$(entries glintwick | grep -x -- "$word")"
done

# The copyright file carries LICENSE's licence text, in the format's indentation.
check "copyright covers every file" "Files: *|Copyright: 2026 Orvane|License: MIT" \
  "$(grep -A2 '^Files:' "$out/copyright" | paste -sd '|' -)"
check "copyright holds the licence of LICENSE" "$(sed -n '/^Permission /,$p' "$src/LICENSE")" \
  "$(sed -n '/^ Permission /,$p' "$out/copyright" | sed 's/^ \.$//; s/^ //')"
check "changelog.gz is the changelog" same \
  "$(gunzip -c "$out/changelog.gz" | cmp -s - "$src/packaging/debian/changelog" && echo same)"

# AppStream, the menu entry and the mime type name one another.
desktop=$src/resources/desktop/example.orvane.glintwick.desktop
check "metainfo id" "example.orvane.glintwick" "$(grep -oP '(?<=<id>)[^<]+' "$metainfo")"
check "launchable is the menu entry" "$(basename "$desktop")" \
  "$(grep -oP '(?<=<launchable type="desktop-id">)[^<]+' "$metainfo")"
check "provides both programs" "glintwick glintwick-cli" \
  "$(grep -oP '(?<=<binary>)[^<]+' "$metainfo" | paste -sd ' ' -)"
check "provides the project type" "$(grep -oP '(?<=mime-type type=")[^"]+' "$src/resources/desktop/glintwick.xml")" \
  "$(grep -oP '(?<=<mediatype>)[^<]+' "$metainfo")"
# Each page the AppStream data names on the project's site (help, screenshots) is one that
# `make site` lays out for it.
while read -r url; do
  case $url in
    */help/*) file=$src/help/${url##*/help/} ;;
    */screenshots/*) file=$src/docs/screenshots/${url##*/screenshots/} ;;
    *) file=/nonexistent ;;
  esac
  check "the site serves $url" yes "$([ -f "$file" ] && echo yes)"
done < <(grep -oP '(?<=<url type="help">|<image>)[^<]+' "$metainfo")
check "metainfo names a bug tracker and help" 2 "$(grep -cE '<url type="(bugtracker|help)">https://' "$metainfo")"
check "menu entry starts the program" "glintwick" "$(grep -oP '^Exec=\K\S+' "$desktop")"
check "menu entry's icon" "glintwick" "$(grep -oP '^Icon=\K.+' "$desktop")"

# Icons: each PNG is as large as its name says, and the art script draws exactly these files.
for size in 16 32 48 64 128 256; do
  png=$src/resources/art/glintwick-$size.png
  check "glintwick-$size.png size" "$size $size" \
    "$(od -An -tu1 -j16 -N8 "$png" | awk '{ print $3 * 256 + $4, $7 * 256 + $8 }')"
done
check "glintwick.svg is square" 'viewBox="0 0 256 256"' "$(grep -o 'viewBox="[^"]*"' "$src/resources/art/glintwick.svg")"
if command -v python3 >/dev/null && command -v convert >/dev/null; then
  python3 "$src/resources/art/make_art.py" "$work" >/dev/null
  for file in icon16.xpm icon32.xpm icon48.xpm glintwick-{16,32,48,64,128,256}.png glintwick.svg \
    glintwick-symbolic.svg application-x-glintwick-project-{16,32,48,64,128,256}.png \
    application-x-glintwick-project.svg; do
    check "make_art.py draws $file as committed" same \
      "$(cmp -s "$work/$file" "$src/resources/art/$file" && echo same)"
  done
fi

finish
