#!/bin/sh
# The shipped languages and the locale each runs in, one "LANGUAGE LOCALE" line per po/*.po:
# po/LL.po runs in LL_LL (de: de_DE), po/LL_CC.po in LL_CC.
for po in "$(dirname "$0")"/*.po; do
  lang=$(basename "$po" .po)
  case $lang in
    *_*) echo "$lang $lang" ;;
    *) echo "$lang ${lang}_$(echo "$lang" | tr '[:lower:]' '[:upper:]')" ;;
  esac
done
