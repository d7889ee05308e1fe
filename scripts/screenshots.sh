#!/usr/bin/env bash
# Takes the documentation's screenshots: each scene runs under its own virtual X server and the
# window is cut out of the screen with ImageMagick. Usage: scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scenes=$build/bin/screenshot_scenes
out=docs/screenshots
mkdir -p "$out"

shoot() {  # shoot SCENE FILE
  local scene=$1 file=$2 display=:$((90 + RANDOM % 9)) geometry=""
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  local xvfb=$!
  sleep 1
  DISPLAY=$display NO_AT_BRIDGE=1 "$scenes" "$scene" examples/demo.gwk >"$build/scene.out" 2>/dev/null &
  local app=$!
  for _ in $(seq 50); do
    geometry=$(head -n1 "$build/scene.out" 2>/dev/null || true)
    [ -n "$geometry" ] && break
    sleep 0.1
  done
  DISPLAY=$display import -window root -crop "$geometry" +repage "$out/$file"
  kill "$app" "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  echo "$out/$file ($geometry)"
}

shoot main main-window.png
shoot effect effect-dialog.png
shoot options options-dialog.png
shoot result result-dialog.png
shoot about about-box.png
shoot splash splash.png
# The main window and the Effect dialog in each shipped language.
mkdir -p "$out/languages"
while read -r lang locale; do
  LANG=$locale.UTF-8 LC_ALL=$locale.UTF-8 shoot main "languages/main-window-$lang.png"
  LANG=$locale.UTF-8 LC_ALL=$locale.UTF-8 shoot effect "languages/effect-dialog-$lang.png"
done < <(po/locales.sh)

# The preview page in Chromium, two seconds into the demo.
node tests/browser/browser_preview.js "$build/bin/glintwick-cli" examples \
  --screenshot "$out/browser-preview.png"
echo "$out/browser-preview.png"
