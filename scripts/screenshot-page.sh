#!/usr/bin/env bash
# Renders docs/page.png: an HTML text-art page exported by glimmet-batch, as Chromium shows it.
# Usage: scripts/screenshot-page.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
"$root/scripts/deps.sh" chromium imagemagick
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target glimmet-batch >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A small sunset: a sky gradient with a sun and a dark hill, on a blue key colour border.
convert -size 52x30 gradient:'#3050c0'-'#f08a24' \
  -fill '#ffd23f' -draw 'circle 26,21 26,13' \
  -fill '#3a2a1c' -draw 'ellipse 26,38 40,12 0,360' \
  -bordercolor '#0000ff' -border 2 "$work/sunset.png"
"$build/batch/glimmet-batch" -q -t "Глиммет" --html "$work/page.htm" "$work/sunset.png"
mkdir -p "$root/docs"
chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking \
  --disable-component-update --disable-sync --hide-scrollbars --user-data-dir="$work/profile" \
  --window-size=760,680 --screenshot="$root/docs/page.png" "file://$work/page.htm" 2>/dev/null
echo "wrote $root/docs/page.png"
