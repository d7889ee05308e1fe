#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run, when missing; with
# the argument `windows`, also what the Windows build and its tests under Wine need.
set -euo pipefail

packages=(
  # zip makes the help book with nothing of the file system in it but names, bytes and a date.
  build-essential cmake pkg-config clang clang-format libclang-rt-14-dev zip
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  libwxgtk3.2-dev libgtk-3-dev libx11-dev libxfixes-dev libxtst-dev xvfb xauth imagemagick chromium
  # `make package`: the judges (lintian, desktop-file-validate, appstreamcli), and man, bash
  # completion and strace for trying the installed package; gio for the desktop entry test.
  lintian desktop-file-utils appstream man-db bash-completion strace libglib2.0-bin
  # The accessibility check: the accessibility bus, Python's AT-SPI, a D-Bus session per run
  # and real keys.
  at-spi2-core python3-pyatspi dbus-daemon xdotool
  # The symbol for NUL (U+2400) that the boxes and the list show for a NUL read from a file:
  # of Debian's usual fonts only Symbola draws it (the package depends on it too).
  fonts-symbola
  # The interface's translations: gettext's tools make and check the catalogues, the
  # languages' locales (generated below) let the window tests run in them, and wx's own
  # catalogues translate its windows (the help viewer's tabs and buttons).
  gettext locales wx3.2-i18n
)
# desktop-file-utils and libglib2.0-bin: the desktop entry test validates the entry with
# desktop-file-validate and starts it with gio launch.
if [ "${1:-}" = windows ]; then
  packages+=(
    # The cross compiler and the sources of libpng and wxWidgets (scripts/msw-libs.sh), zlib
    # for MinGW, GoogleTest's sources for the tests built for Windows.
    g++-mingw-w64-x86-64-posix libz-mingw-w64-dev dpkg-dev googletest
    # Wine and its fonts to run it all, chmcmd for the help file and chmlib's tools to read it
    # back, NSIS for the installer; imagemagick (above) makes the icon and the screenshot.
    wine wine64 fonts-wine fp-utils libchm-bin nsis
  )
fi
# Node.js and npm run the generated scripts and drive Chromium in the tests; a machine may
# already have its own.
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
# apt-get, waiting while another apt or dpkg holds a lock: Lock::Timeout waits for dpkg's lock,
# but apt 2.6's update gives up at once on the package lists' lock, so that is tried again for
# up to 10 minutes.
apt_get() {
  local said tries=0
  until said=$($sudo apt-get -o DPkg::Lock::Timeout=600 "$@" 2>&1); do
    if ! grep -q 'Could not get lock' <<<"$said" || [ $((tries += 1)) -ge 120 ]; then
      echo "$said" >&2
      return 1
    fi
    sleep 5
  done
  [ -z "$said" ] || echo "$said"
}

# The Windows build reads wxWidgets' and libpng's sources from Debian's source archive. The
# entry is added here, where apt's lock is waited for; it is the one scripts/msw-libs.sh adds
# where it still finds none (that script stays as it is: its own bytes key the libraries' cache).
if [ "${1:-}" = windows ] &&
  ! grep -rqs "^Types:.*deb-src\|^deb-src" /etc/apt/sources.list /etc/apt/sources.list.d/; then
  echo "Adding deb-src for Debian's main archive" >&2
  sed -n '/^Types: deb-src$/,/^Signed-By:/p' "$(dirname "$0")/msw-libs.sh" |
    $sudo tee /etc/apt/sources.list.d/glintwick-src.sources >/dev/null
  apt_get update -qq
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt_get update -qq
  apt_get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The locales of the languages the program ships, for the tests that run it in them.
while read -r _ locale; do
  locale -a 2>/dev/null | grep -qix "$locale.utf8" ||
    $sudo localedef -i "$locale" -c -f UTF-8 -A /usr/share/locale/locale.alias "$locale.UTF-8"
done < <("$(dirname "$0")/../po/locales.sh")

# playwright-core (its browser is Debian's chromium, so nothing else is downloaded) and axe-core
# for the browser tests, at the versions package-lock.json pins.
browser_tests="$(cd "$(dirname "$0")/../tests/browser" && pwd)"
pinned_missing="$(node -e '
  const dir = process.argv[1];
  const lock = require(dir + "/package-lock.json").packages;
  const off = Object.keys(lock).filter((k) => k.startsWith("node_modules/")).filter((k) => {
    try { return require(dir + "/" + k + "/package.json").version !== lock[k].version; } catch (e) { return true; }
  });
  console.log(off.join(" "));
' "$browser_tests")"
if [ -n "$pinned_missing" ]; then
  echo "Installing the browser tests' pinned packages ($pinned_missing)"
  PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --prefix "$browser_tests" --no-audit --no-fund --silent
fi
