#!/usr/bin/env bash
# Builds the Debian package and has it judged by lintian, desktop-file-validate and appstreamcli;
# then installs it, tries the installed programs, removes it and checks that nothing is left.
# Usage: scripts/package-check.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
rm -f "$build"/glintwick_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/glintwick_*.deb)
version=$(dpkg-deb -f "$deb" Version)
echo "package: $deb ($(dpkg-deb -f "$deb" Installed-Size) KiB installed)"
echo "depends: $(dpkg-deb -f "$deb" Depends)"
work=$(mktemp -d)
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
installed=no
cleanup() {
  [ "$installed" = yes ] && $sudo dpkg --purge glintwick >/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "package check: $*"; exit 1; }

# The judges look at the files as the package ships them.
dpkg-deb -x "$deb" "$work/tree"
echo "== desktop-file-validate"
desktop-file-validate "$work"/tree/usr/share/applications/*.desktop
echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net "$work"/tree/usr/share/metainfo/*.metainfo.xml
appstreamcli validate-tree --no-net "$work/tree" >/dev/null ||
  { appstreamcli validate-tree --no-net "$work/tree"; fail "appstreamcli validate-tree failed"; }
echo "== lintian (fails on any error or warning that packaging/debian/lintian-overrides does not explain)"
# lintian warns whoever runs it as root; that line is not about the package.
lintian --fail-on error,warning --display-info "$deb" 2> >(grep -v 'running with root privileges' >&2)
echo "lintian: no errors or warnings"

# A Glintwick already installed here is the developer's, not this check's to replace and purge:
# the install check is skipped, and says so.
before=$(dpkg-query -W -f='${db:Status-Abbrev}${Version}' glintwick 2>/dev/null || true)
if [[ $before == i* ]]; then
  echo "== install check skipped: glintwick ${before:3} is installed on this machine and stays;"
  echo "   remove it (dpkg --purge glintwick) to have the package installed and tried"
  exit 0
fi
$sudo dpkg -i "$deb" >/dev/null
installed=yes
for file in /usr/bin/glintwick /usr/bin/glintwick-cli /usr/share/glintwick/glintwick.htb \
            /usr/share/doc/glintwick/copyright /usr/share/doc/glintwick/changelog.gz \
            /usr/share/man/man1/glintwick.1.gz /usr/share/man/man1/glintwick-cli.1.gz \
            /usr/share/applications/example.orvane.glintwick.desktop \
            /usr/share/applications/OrvaneGWK.Document.desktop \
            /usr/share/metainfo/example.orvane.glintwick.metainfo.xml \
            /usr/share/mime/packages/glintwick.xml /usr/share/icons/hicolor/scalable/apps/glintwick.svg \
            /usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/glintwick.png \
            /usr/share/icons/hicolor/symbolic/apps/glintwick-symbolic.svg \
            /usr/share/icons/hicolor/{16x16,256x256,scalable}/mimetypes/application-x-glintwick-project.* \
            /usr/share/bash-completion/completions/glintwick-cli; do
  [ -e "$file" ] || fail "missing after install: $file"
done
tag=$(/usr/bin/glintwick-cli generate examples/demo.gwk "$work/page.js")
[ "$tag" = "<SCRIPT SRC='page.js'></SCRIPT>" ] || fail "unexpected tag: $tag"
echo "installed glintwick-cli works: $tag"
for program in glintwick glintwick-cli; do
  said=$(env -u DISPLAY -u WAYLAND_DISPLAY "/usr/bin/$program" --version)
  [ "$said" = "$program $version" ] || fail "$program --version says '$said', not '$program $version'"
  echo "$program --version: $said"
done
page=$(man -w glintwick-cli) || fail "man -w glintwick-cli finds no page"
echo "man -w glintwick-cli: $page"
zgrep -q '^\.I /usr/share/glintwick/glintwick.htb$' /usr/share/man/man1/glintwick.1.gz ||
  fail "glintwick(1) does not name the installed help book, /usr/share/glintwick/glintwick.htb"
completion=$(bash -c 'source /usr/share/bash-completion/bash_completion
                      _completion_loader glintwick-cli; complete -p glintwick-cli')
echo "bash completion: $completion"
# The installed program looks beside itself first, then in the data folder, and finds it there.
XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config GLINTWICK_EXIT_WHEN_IDLE=1 NO_AT_BRIDGE=1 \
  xvfb-run -a strace -f -qq -e trace=%file -o "$work/trace" /usr/bin/glintwick
grep -q 'stat.*"/usr/share/glintwick/glintwick.htb".* = 0$' "$work/trace" ||
  fail "the installed program did not find /usr/share/glintwick/glintwick.htb"
echo "installed glintwick finds its help book in /usr/share/glintwick"
# The package declares the .gwk type; the installed program registers nothing per user.
left_for_user=$(find "$work/data" -type f 2>/dev/null | head -5 || true)
[ -z "$left_for_user" ] || fail "the installed program registered per user: $left_for_user"
echo "installed glintwick leaves the file type to the package"

files=$(dpkg-query -L glintwick)
$sudo dpkg --purge glintwick >/dev/null
installed=no
left=$(for path in $files; do [ -f "$path" ] || [ -L "$path" ] && echo "$path"; done
       for dir in /usr/share/glintwick /usr/share/doc/glintwick; do [ -e "$dir" ] && echo "$dir"; done
       true)
[ -z "$left" ] || fail "left behind after removal: $left"
echo "removed, nothing left behind"
