#!/bin/sh
# Writes the translators' template: the texts the sources mark (the windows', the command-line
# tool's), then the desktop entries', the AppStream data's and the mime type's. Run from the
# source folder.
# Usage: po/make_template.sh OUT.pot
set -eu
out=$1
# The template's header, written by each run.
set -- --sort-by-file --no-wrap --package-name=Glintwick --package-version=1.0 \
  --msgid-bugs-address=https://orvane.example/glintwick/issues/ --copyright-holder=Orvane
xgettext "$@" --language=C++ --keyword=N_ --flag=N_:1:no-c-format --keyword=CliText \
  --flag=CliText:1:no-c-format --from-code=UTF-8 --add-comments -o "$out" \
  resources/StringTable.h model/CoreTexts.h effects/EffectCatalogue.cpp cli/*.cpp
# Each file's language (Desktop, or the XML rules gettext ships for AppStream and mime types)
# from its name and root element.
xgettext "$@" --join-existing -o "$out" \
  resources/desktop/example.orvane.glintwick.desktop resources/desktop/OrvaneGWK.Document.desktop \
  resources/desktop/example.orvane.glintwick.metainfo.xml resources/desktop/glintwick.xml
