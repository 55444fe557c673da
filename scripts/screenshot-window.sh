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
# The caption joins the minor number and the revision: version 1.1.12 shows as "v.1.112".
version=$(sed -n 's/^project(Glimmet VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
IFS=. read -r major minor revision <<<"$version"
caption="Glimmet, v.$major.$minor$revision by Tovask."
# Inside the virtual server: start the window, give it time to paint, grab it by its caption.
xvfb-run --auto-servernum --server-args="-screen 0 1024x700x24 -dpi 96" bash -c '
  QT_QPA_PLATFORM=xcb "$1" &
  pid=$!
  sleep 3
  import -window "$3" "$2"
  kill "$pid"
' _ "$bin" "$out" "$caption"
echo "Screenshot: $out"
