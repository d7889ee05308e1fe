#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what clang-format makes of it (`make format`
# formats them all).
set -u
cd "${1:-.}"
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h' | grep -v '^./build')
clang-format --dry-run -Werror $files && echo "$(echo "$files" | wc -w) files formatted"
