#!/usr/bin/env bash
# Fails when a core or CLI source file includes a wxWidgets header.
set -u
root=${1:-.}
core_files=$(cd "$root" && ls model/*.{h,cpp} preview/Frames.* preview/*Player.* preview/*Ticker.* preview/SequenceTiming.* \
  script/ScriptWriter.* script/ScriptTemplates.* script/ScriptName.* cli/*.{h,cpp} resources/StringTable.h \
  resources/Ids.h resources/Templates.* 2>/dev/null)
hits=$(cd "$root" && grep -lE '#[[:space:]]*include[[:space:]]*[<"]wx/' $core_files)
if [ -n "$hits" ]; then
  echo "core files include wx headers:"; echo "$hits"; exit 1
fi
echo "core is free of wx headers ($(echo "$core_files" | wc -w) files checked)"
