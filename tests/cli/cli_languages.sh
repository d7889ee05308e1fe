#!/usr/bin/env bash
# The command-line tool in the user's language: its usage and the command line's mistakes are
# translated by the catalogue beside it, its file errors stay as scripts match them, and the
# language is chosen as gettext chooses it.
set -u
cli=$1
src=$2
# shellcheck source=../check.sh
source "$(dirname "$0")/../check.sh"
locales=$(dirname "$cli")/locale
# locale_of LANGUAGE: the locale it runs in.
locale_of() { "$src/po/locales.sh" | awk -v lang="$1" '$1 == lang { print $2 }'; }
# text_in LANGUAGE TEXT: TEXT as the catalogue of LANGUAGE has it (C: as it is).
text_in() {
  if [ "$1" = C ]; then printf '%s' "$2"; else
    LANGUAGE=$1 LC_ALL=$(locale_of "$1").UTF-8 TEXTDOMAINDIR=$locales gettext -d glintwick "$2"; fi
}
# said ENVIRONMENT...: the tool's --help first line | a mistake's two lines | a file's failure.
said() {
  printf '%s|%s|%s' "$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES "$@" "$cli" --help | head -1)" \
    "$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES "$@" "$cli" frames 2>&1 | paste -sd '|')" \
    "$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES "$@" "$cli" show "$work/none.gwk" 2>&1)"
}
# The texts as LANGUAGE has them (C: English), the file error in English always.
expected() {
  local mistake
  mistake=$(text_in "$1" "%1 takes %2, not %3 arguments")
  mistake=${mistake//%1/frames} && mistake=${mistake//%2/EFFECT TEXT} && mistake=${mistake//%3/0}
  printf '%s|glintwick-cli: %s|%s|%s' "$(text_in "$1" "usage:")" "$mistake" \
    "$(text_in "$1" "Try 'glintwick-cli --help'.")" "glintwick-cli: '$work/none.gwk' was not found."
}

english=$(expected C)
check "English under C" "$english" "$(said LANG=C.UTF-8)"
while read -r lang _; do
  check "$lang under its locale" "$(expected "$lang")" "$(said LANG="$(locale_of "$lang").UTF-8")"
  [ "$(expected "$lang")" != "$english" ] || check "$lang is translated" different same
done < <("$src/po/locales.sh")
check "LANGUAGE before LANG" "$(expected fr)" "$(said LANG=de_DE.UTF-8 LANGUAGE=fr:de)"
check "LC_MESSAGES before LANG" "$(expected es)" "$(said LANG=de_DE.UTF-8 LC_MESSAGES=es_ES.UTF-8)"
check "LANGUAGE under C counts for nothing" "$english" "$(said LANG=C LANGUAGE=de)"
check "LANGUAGE under C.UTF-8 counts" "$(expected de)" "$(said LANG=C.UTF-8 LANGUAGE=de)"
check "a language with no catalogue" "$english" "$(said LANG=de_DE.UTF-8 LANGUAGE=it)"
check "a locale the C library lacks" "$english" "$(said LANG=xx_YY.UTF-8 LANGUAGE=de)"
finish
