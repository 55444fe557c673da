#!/usr/bin/env bash
# Takes a screenshot of the window under a virtual X server.
#   screenshot-window.sh [OUT]           the window as it opens, into docs/window.png
#   screenshot-window.sh --output [OUT]  the window after a transfer, into docs/window-output.png: it
#                                        opens a generated picture, drags a selection over it with
#                                        the mouse, picks the text fill and the 3x3x3 preset and presses
#                                        Enter, as a user would
#   screenshot-window.sh --dialogs [DIR] the screen with the Russian save dialog and then with the
#                                        question before the picture shown is replaced, into
#                                        DIR/window-save-dialog.png and DIR/window-replace-question.png
#                                        (DIR defaults to docs): it opens a generated picture with
#                                        Ctrl+O, then saves with Ctrl+S and Enter in every dialog, so
#                                        that the dialog proposes the picture itself
#   screenshot-window.sh --tolerance [OUT] the screen with the tolerance dialog, into
#                                        docs/window-tolerance-dialog.png: it sets the tolerance 12
#                                        with Ctrl+F6, chooses "Равно" with Ctrl+F1, so that the status
#                                        bar shows "Равно ±12", and opens the dialog again
# Builds the program first unless GLIMMET_BIN names one. Needs xvfb and imagemagick (and xdotool for
# every mode but the first).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mode=start
case "${1:-}" in
  --output) mode=output; shift ;;
  --dialogs) mode=dialogs; shift ;;
  --tolerance) mode=tolerance; shift ;;
esac
default_out="$root/docs/window.png"
[ "$mode" = output ] && default_out="$root/docs/window-output.png"
[ "$mode" = dialogs ] && default_out="$root/docs"
[ "$mode" = tolerance ] && default_out="$root/docs/window-tolerance-dialog.png"
out="${1:-$default_out}"
bin="${GLIMMET_BIN:-}"
if [ -z "$bin" ]; then
  "$root/scripts/deps.sh" xvfb xauth imagemagick xdotool
  cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$root/build" -j"$(nproc)" --target glimmet
  bin="$root/build/window/glimmet"
fi
if [ "$mode" = dialogs ]; then mkdir -p "$out"; else mkdir -p "$(dirname "$out")"; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The caption joins the minor number and the revision: version 1.1.12 shows as "v.1.112".
version=$(sed -n 's/^project(Glimmet VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
IFS=. read -r major minor revision <<<"$version"
caption="Glimmet, v.$major.$minor$revision by Tovask."
picture=""
if [ "$mode" = output ] || [ "$mode" = dialogs ]; then
  picture="$work/picture.png"
  convert -size 380x300 -seed 11 plasma:fractal -blur 0x2 -modulate 100,180 "$picture"
  # The file dialog shows the folder with a few more pictures.
  [ "$mode" = dialogs ] && for name in sprite.bmp photo.jpg; do convert -size 64x48 plasma:fractal "$work/$name"; done
fi
# Inside the virtual server: start the window (with the picture to open, if any), give it time to
# paint, act on it, grab it by its caption.
# shellcheck disable=SC2016 # expanded by the inner shell
xvfb-run --auto-servernum --server-args="-screen 0 1024x700x24 -dpi 96" bash -c '
  bin=$1 out=$2 caption=$3 picture=$4 mode=$5
  if [ "$mode" = output ]; then QT_QPA_PLATFORM=xcb "$bin" "$picture" & else QT_QPA_PLATFORM=xcb "$bin" & fi
  pid=$!
  sleep 3
  if [ "$mode" = dialogs ]; then
    # Waits for a window of the program whose title matches, and gives it the keyboard.
    focus() { xdotool windowfocus --sync "$(xdotool search --sync --onlyvisible --name "$1" | head -n 1)"; }
    dialog="Выберите нужное изображение"
    focus "$caption" && xdotool key ctrl+o
    focus "$dialog" && xdotool type --delay 20 "$picture" && xdotool key Return
    sleep 1
    focus "$caption" && xdotool key ctrl+s
    focus "^Glimmet\$" && sleep 0.5 && xdotool key Return  # the message with the size of the selection
    focus "$dialog" && sleep 1  # it proposes the picture just opened
    # The screen where the window lies, with the dialog over it.
    eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name "$caption" | head -n 1)")"
    shot() { import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"; }
    shot "$out/window-save-dialog.png"
    xdotool key Return
    focus "^Glimmet\$" && sleep 1
    shot "$out/window-replace-question.png"
    xdotool key Return  # No, the default: the picture stays
    sleep 1
    kill "$pid"
    exit 0
  fi
  if [ "$mode" = tolerance ]; then
    focus() { xdotool windowfocus --sync "$(xdotool search --sync --onlyvisible --name "$1" | head -n 1)"; }
    dialog="Допуск цвета"
    focus "$caption" && xdotool key ctrl+F6
    focus "$dialog" && sleep 0.5 && xdotool key ctrl+a && xdotool type --delay 20 12 && xdotool key Return
    sleep 0.5
    focus "$caption" && xdotool key ctrl+F1 && sleep 0.3 && xdotool key ctrl+F6
    focus "$dialog" && sleep 1  # it proposes 12
    eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name "$caption" | head -n 1)")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
    xdotool key Escape
    sleep 0.5
    kill "$pid"
    exit 0
  fi
  if [ "$mode" = output ]; then
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
' _ "$bin" "$out" "$caption" "$picture" "$mode"
echo "Screenshot: $out"
