#!/usr/bin/env bash
# Builds the Debian package twice from the last commit, in two clones in different folders and
# at different times, and compares the two packages byte for byte.
# Usage: scripts/reproducible-check.sh
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
commit=$(git rev-parse HEAD)
for copy in first second-copy; do
  git clone -q . "$work/$copy"
  git -C "$work/$copy" checkout -q "$commit"
  # Only what the package holds is built (not the tests): install needs no other target.
  cmake -S "$work/$copy" -B "$work/$copy/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
  cmake --build "$work/$copy/build" -j "$(nproc)" \
    --target glintwick glintwick-cli help_book packaging_docs >/dev/null
  (cd "$work/$copy/build" && cpack -G DEB >/dev/null)
  sleep 2
done
first=$(ls "$work"/first/build/glintwick_*.deb)
second=$(ls "$work"/second-copy/build/glintwick_*.deb)
if cmp -s "$first" "$second"; then
  echo "reproducible: two builds of $commit give the same package, sha256 $(sha256sum <"$first" | cut -c1-16)"
  exit 0
fi
echo "not reproducible: the packages of two builds of $commit differ in:"
for deb in "$first" "$second"; do dpkg-deb -R "$deb" "$deb.tree"; done
diff -rq "$first.tree" "$second.tree" || true
exit 1
