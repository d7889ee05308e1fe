#!/usr/bin/env bash
# Builds the Debian package, installs it, runs the installed command-line tool, and removes it.
# Usage: scripts/package-check.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/glintwick_*.deb | head -n1)
echo "package: $deb ($(dpkg-deb -f "$deb" Installed-Size) KiB installed)"
echo "depends: $(dpkg-deb -f "$deb" Depends)"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
$sudo dpkg -i "$deb" >/dev/null
trap '$sudo dpkg -r glintwick >/dev/null' EXIT
for file in /usr/bin/glintwick /usr/bin/glintwick-cli /usr/bin/glintwick.htb \
            /usr/share/applications/OrvaneGWK.Document.desktop \
            /usr/share/mime/packages/glintwick.xml /usr/share/icons/hicolor/48x48/apps/glintwick.png; do
  [ -e "$file" ] || { echo "missing after install: $file"; exit 1; }
done
tag=$(/usr/bin/glintwick-cli generate examples/demo.gwk "$(mktemp -d)/page.js")
[ "$tag" = "<SCRIPT SRC='page.js'></SCRIPT>" ] || { echo "unexpected tag: $tag"; exit 1; }
echo "installed glintwick-cli works: $tag"
