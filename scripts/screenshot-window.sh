#!/usr/bin/env bash
# Takes a screenshot of the window as it opens, under a virtual X server, into docs/window.png.
# Builds the program first unless GLIMMET_BIN names one. Needs xvfb and imagemagick.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="${1:-$root/docs/window.png}"
bin="${GLIMMET_BIN:-}"
if [ -z "$bin" ]; then
  "$root/scripts/deps.sh" xvfb xauth imagemagick
  cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$root/build" -j"$(nproc)" --target glimmet
  bin="$root/build/window/glimmet"
fi
mkdir -p "$(dirname "$out")"
# Inside the virtual server: start the window, give it time to paint, grab it by its caption.
xvfb-run --auto-servernum --server-args="-screen 0 1024x700x24 -dpi 96" bash -c '
  QT_QPA_PLATFORM=xcb "$1" &
  pid=$!
  sleep 3
  import -window "Glimmet, v.1.112 by Tovask." "$2"
  kill "$pid"
' _ "$bin" "$out"
echo "Screenshot: $out"
