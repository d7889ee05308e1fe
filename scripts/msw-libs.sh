#!/usr/bin/env bash
# Builds the static libraries the Windows build links (libpng, then wxWidgets 3.2 for MSW) with
# Debian's MinGW-w64, from Debian's own source packages, into a cache outside the clone. The
# cache folder is keyed by the source versions, the compiler's and a hash of this script, so
# only the first build on a machine pays (about half an hour on two cores). Prints the prefix.
# Usage: scripts/msw-libs.sh   (GLINTWICK_MSW_CACHE overrides the cache's parent folder)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
host=x86_64-w64-mingw32
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

# Source packages come from the same archive as the binary ones.
if ! grep -rqs "^Types:.*deb-src\|^deb-src" /etc/apt/sources.list /etc/apt/sources.list.d/; then
  echo "Adding deb-src for Debian's main archive" >&2
  $sudo tee /etc/apt/sources.list.d/glintwick-src.sources >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  $sudo apt-get update -qq
fi

version_of() { apt-cache showsrc "$1" 2>/dev/null | sed -n 's/^Version: //p' | sort -V | tail -n1; }
wx_version=$(version_of wxwidgets3.2)
png_version=$(version_of libpng1.6)
gcc_version=$($host-g++-posix -dumpfullversion)
key=$(printf '%s\n' "$wx_version" "$png_version" "$gcc_version" "$(sha256sum "$0" | cut -c1-16)" \
  | sha256sum | cut -c1-16)
cache=${GLINTWICK_MSW_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/glintwick}/msw-$key
prefix=$cache/prefix
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

start=$(date +%s)
work=$cache/work
rm -rf "$work" "$prefix"
mkdir -p "$work" "$prefix"
cd "$work"
jobs=$(nproc)

echo "Building libpng $png_version for $host" >&2
apt-get source -qq "libpng1.6=$png_version" >/dev/null 2>&1
cd "$(find . -maxdepth 1 -type d -name 'libpng1.6-*' | head -n1)"
./configure -q --host=$host --prefix="$prefix" --disable-shared --enable-static \
  CPPFLAGS="-I/usr/$host/include" LDFLAGS="-L/usr/$host/lib" >/dev/null
make -s -j"$jobs" >/dev/null
make -s install >/dev/null
cd "$work"

echo "Building wxWidgets $wx_version for MSW (static, $host)" >&2
apt-get source -qq "wxwidgets3.2=$wx_version" >/dev/null 2>&1
cd "$(find . -maxdepth 1 -type d -name 'wxwidgets3.2-*' | head -n1)"
mkdir -p build-msw
cd build-msw
# What the program does not use stays out; accessibility is in, for screen readers.
../configure -q --host=$host --build=x86_64-linux-gnu --prefix="$prefix" --with-msw \
  --disable-shared --enable-unicode --enable-accessibility \
  --with-zlib=sys --with-libpng=sys --without-libjpeg --without-libtiff --without-expat \
  --disable-webview --disable-mediactrl --disable-xrc \
  --disable-aui --disable-ribbon --disable-propgrid --disable-richtext --disable-stc \
  --without-opengl --disable-sound \
  CPPFLAGS="-I$prefix/include -I/usr/$host/include" LDFLAGS="-L$prefix/lib -L/usr/$host/lib" \
  CC=$host-gcc-posix CXX=$host-g++-posix >/dev/null
make -s -j"$jobs" >/dev/null
make -s install >/dev/null

rm -rf "$work"
touch "$prefix/.complete"
echo "Built in $(( $(date +%s) - start )) s" >&2
echo "$prefix"
