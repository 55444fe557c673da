#!/usr/bin/env bash
# Takes a screenshot of the window under a virtual X server.
#   screenshot-window.sh [OUT]           the window as it opens, into docs/window.png
#   screenshot-window.sh --output [OUT]  the window after a transfer, into docs/window-output.png: it
#                                        opens a generated picture, drags a selection over it with
#                                        the mouse, picks the text fill and the 3x3x3 preset and presses
#                                        Enter, as a user would
# Builds the program first unless GLIMMET_BIN names one. Needs xvfb and imagemagick (and xdotool for
# --output).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mode=start
if [ "${1:-}" = "--output" ]; then
  mode=output
  shift
fi
default_out="$root/docs/window.png"
[ "$mode" = output ] && default_out="$root/docs/window-output.png"
out="${1:-$default_out}"
bin="${GLIMMET_BIN:-}"
if [ -z "$bin" ]; then
  "$root/scripts/deps.sh" xvfb xauth imagemagick xdotool
  cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$root/build" -j"$(nproc)" --target glimmet
  bin="$root/build/window/glimmet"
fi
mkdir -p "$(dirname "$out")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The caption joins the minor number and the revision: version 1.1.12 shows as "v.1.112".
version=$(sed -n 's/^project(Glimmet VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
IFS=. read -r major minor revision <<<"$version"
caption="Glimmet, v.$major.$minor$revision by Tovask."
picture=""
if [ "$mode" = output ]; then
  picture="$work/picture.png"
  convert -size 380x300 -seed 11 plasma:fractal -blur 0x2 -modulate 100,180 "$picture"
fi
# Inside the virtual server: start the window (with the picture to open, if any), give it time to
# paint, act on it, grab it by its caption.
xvfb-run --auto-servernum --server-args="-screen 0 1024x700x24 -dpi 96" bash -c '
  bin=$1 out=$2 caption=$3 picture=$4
  if [ -n "$picture" ]; then QT_QPA_PLATFORM=xcb "$bin" "$picture" & else QT_QPA_PLATFORM=xcb "$bin" & fi
  pid=$!
  sleep 3
  if [ -n "$picture" ]; then
    wid=$(xdotool search --name "$caption" | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    # The source picture starts about 100 pixels below the top of the window, below the menu bar
    # and the strip of fields.
    xdotool mousemove $((X + 60)) $((Y + 150)) sleep 0.3 mousedown 1 sleep 0.2 \
            mousemove $((X + 120)) $((Y + 200)) sleep 0.2 mousemove $((X + 190)) $((Y + 250)) sleep 0.2 mouseup 1
    sleep 0.5
    xdotool key F5 sleep 0.3 key shift+e sleep 0.3 key Return
    sleep 1
    xdotool key Return  # closes the message with the size of the selection
    sleep 4
  fi
  import -window "$caption" "$out"
  kill "$pid"
' _ "$bin" "$out" "$caption" "$picture"
echo "Screenshot: $out"
