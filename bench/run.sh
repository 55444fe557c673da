#!/usr/bin/env bash
# Measures the speed targets side by side in one run: the walk per fill mode (Google Benchmark), the
# window (offscreen), the batch HTML export against jp2a on the same pictures, the batch command's peak
# memory, a folder of sprites checked in one run against cat reading the same files and against loops
# of glimmet-batch and ImageMagick, and -j 2 against -j 1, against each core's own speed and apart
# from what a run costs once.
# Each ratio is against its yardstick in the same run, the two taking turns; each figure comes with
# the load average, since other work on the machine skews it.
# Usage: bench/run.sh [BUILD_DIR]   (default build-release; built here in Release if missing)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-release}
"$root/scripts/deps.sh" jp2a imagemagick time
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DGLIMMET_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target bench_walk bench_window glimmet-batch >/dev/null 2>&1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
batch="$build/batch/glimmet-batch"

echo "== machine"
echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
load() { echo "(load average $(cut -d' ' -f1 /proc/loadavg))"; }

echo "== walk over a 1024 x 1024 grid, one thread"
QT_QPA_PLATFORM=offscreen "$build/bench/bench_walk" --benchmark_min_time=1 2>/dev/null

# Seconds of the best of N runs of a command (whatever its exit status); $before_each, when set, runs
# untimed before each run.
before_each=""
best_of() {
  local best="" runs=$1
  shift
  for _ in $(seq "$runs"); do
    local t
    eval "$before_each"
    # Microseconds of the wall clock, read by the shell itself: /usr/bin/time's hundredths are too
    # coarse for runs of 0.05 s, and starting `date` to read the clock after the run would add its
    # own start (several milliseconds on this kind of machine) to every figure.
    local start end
    start=$EPOCHREALTIME
    "$@" >/dev/null 2>&1 || true
    end=$EPOCHREALTIME
    t=$(awk "BEGIN{printf \"%.4f\", $end - $start}")
    if [ -z "$best" ] || awk "BEGIN{exit !($t < $best)}"; then best=$t; fi
  done
  echo "$best"
}

# The best seconds of each case, the cases taking turns round after round, so that a change in the
# machine's speed while they run (its cores are virtual and their speed varies with other work on
# the host) falls on all of them alike: take_turns ROUNDS RESULT_ARRAY CASE... (a case is a command
# line split on blanks).
take_turns() {
  local rounds=$1 case t
  local -n result=$2
  shift 2
  for _ in $(seq "$rounds"); do
    for case in "$@"; do
      # shellcheck disable=SC2086 # split into the command and its arguments
      t=$(best_of 1 $case)
      # shellcheck disable=SC2004 # an associative array's key, not arithmetic
      if [ -z "${result[$case]:-}" ] || awk "BEGIN{exit !($t < ${result[$case]})}"; then result[$case]=$t; fi
    done
  done
}

echo "== the window (offscreen): transfers, opening an 8192 x 8192 BMP (target: at most 600 ms), moves,"
echo "   and the largest transfer, whose first_yield_ms is the first writing of its 256 MB output picture"
QT_QPA_PLATFORM=offscreen "$build/bench/bench_window" 2>/dev/null
load

echo "== HTML export: glimmet-batch against jp2a --colors --html (best of 5, taking turns)"
ours_html() { "$batch" -q --html "$work/o.htm" "$work/p$1.jpg"; }
jp2a_html() { jp2a --colors --html --size="$1x$1" "$work/p$1.jpg" >"$work/j.html"; }
declare -A best_html=()
for side in 1024 2048; do
  convert -size "${side}x${side}" -seed 7 plasma:fractal "$work/p$side.jpg"
  # Each run starts without its page (our page is appended to), removed untimed for both.
  # shellcheck disable=SC2016 # expanded when best_of runs it
  before_each='rm -f "$work/o.htm" "$work/j.html"'
  take_turns 5 best_html "ours_html $side" "jp2a_html $side"
  before_each=""
  ours=${best_html[ours_html $side]} theirs=${best_html[jp2a_html $side]}
  ours_html "$side" >/dev/null 2>&1  # once more, untimed, for the page's size
  size=$(stat -c %s "$work/o.htm")
  echo "${side}x${side}: glimmet-batch ${ours}s (page $((size / 1000000)) MB), jp2a ${theirs}s," \
       "ratio $(awk "BEGIN{printf \"%.2f\", $ours / $theirs}") (target: at most 0.20 at 1024 x 1024) $(load)"
done

echo "== a 2048 x 2048 output written as PNG against BMP, the whole run (best of 5)"
picture="$work/p2048.jpg"
as_bmp=$(best_of 5 "$batch" -q -o "$work/o.bmp" "$picture")
as_png=$(best_of 5 "$batch" -q -o "$work/o.png" "$picture")
echo "BMP ${as_bmp}s ($(($(stat -c %s "$work/o.bmp") / 1000)) kB), PNG ${as_png}s" \
     "($(($(stat -c %s "$work/o.png") / 1000)) kB), ratio $(awk "BEGIN{printf \"%.2f\", $as_png / $as_bmp}")" \
     "(target: at most 2)"

echo "== peak memory of the batch command on a 4096 x 4096 picture"
picture="$work/p4096.jpg"
convert -size 4096x4096 -seed 7 plasma:fractal "$picture"
decoded_kb=$((4096 * 4096 * 4 / 1024))
for args in "-o $work/o.bmp" "-f text -o $work/o.bmp" "--html $work/o4096.htm"; do
  # shellcheck disable=SC2086 # the case's options, one word each
  /usr/bin/time -f "%M" -o "$work/peak" "$batch" -q $args "$picture" >/dev/null 2>&1
  peak=$(tail -n 1 "$work/peak")
  echo "glimmet-batch $args: peak ${peak} KB = $(awk "BEGIN{printf \"%.2f\", $peak / $decoded_kb}") x the decoded picture (target: below 3)"
done

echo "== pipeline: 1000 sprites of 64 x 64, is the top border all key colour? (best of 3, taking turns with cat)"
sprites="$work/sprites"
mkdir -p "$sprites"
# Ten sprites: a figure on the key colour; every third one has a stray pixel on its top border.
for i in 0 1 2 3 4 5 6 7 8 9; do
  sprite=(-size 64x64 xc:'#FF00FF' -fill "rgb($((i * 25)),120,60)" -draw "circle 32,32 32,$((8 + i))")
  [ $((i % 3)) -eq 0 ] && sprite+=(-fill white -draw "point $((i * 6)),0")
  convert "${sprite[@]}" -type TrueColor "BMP3:$work/base$i.bmp"
done
for n in $(seq 0 999); do cp "$work/base$((n % 10)).bmp" "$sprites/sprite$(printf %04d "$n").bmp"; done
# shellcheck disable=SC2054 # the region's commas belong to its value
check=(-q -k '#FF00FF' -r 0,0,63,0 --expect-none)
one_run() { "$batch" "${check[@]}" "$sprites"/*.bmp; }
reading() { cat "$sprites"/*.bmp >/dev/null; }
declare -A best_sprites=()
take_turns 3 best_sprites one_run reading
one_run=${best_sprites[one_run]} reading=${best_sprites[reading]}
echo "one run: ${one_run}s; cat reading the same files: ${reading}s; ratio" \
     "$(awk "BEGIN{printf \"%.2f\", $one_run / $reading}") (target: at most 1.20) $(load)"
# shellcheck disable=SC2016 # expanded by the inner shell
loop_ours=$(best_of 3 sh -c 'for f in "$@"; do "$0" -q -k "#FF00FF" -r 0,0,63,0 --expect-none "$f"; done' \
            "$batch" "$sprites"/*.bmp)
# shellcheck disable=SC2016 # expanded by the inner shell
loop_magick=$(best_of 3 sh -c 'for f in "$@"; do convert "$f" -crop 64x1+0+0 +repage -fill black \
            -opaque "#FF00FF" -format "%[fx:maxima]" info:; done' sh "$sprites"/*.bmp)
# Seconds for 1000 sprites are milliseconds for one.
echo "one run: ${one_run}s; a loop of glimmet-batch: ${loop_ours}s (${loop_ours} ms a sprite);" \
     "a loop of ImageMagick: ${loop_magick}s (${loop_magick} ms a sprite)"
echo "one run against the loops: $(awk "BEGIN{printf \"%.0f\", $loop_ours / $one_run}") x and" \
     "$(awk "BEGIN{printf \"%.0f\", $loop_magick / $one_run}") x faster (target: at least 30 x)"

echo "== pipeline: 20 pictures of 512 x 512 exported with --html, -j 1 against -j 2 (best of 5, taking turns)"
pictures="$work/pictures" twice="$work/pictures-40"
mkdir -p "$pictures" "$twice" "$work/pages"
for i in 0 1 2 3; do convert -size 512x512 -seed "$i" plasma:fractal "$work/plasma$i.jpg"; done
for n in $(seq 0 39); do
  [ "$n" -lt 20 ] && cp "$work/plasma$((n % 4)).jpg" "$pictures/p$(printf %03d "$n").jpg"
  cp "$work/plasma$((n % 4)).jpg" "$twice/p$(printf %03d "$n").jpg"
done
export_run() { "$batch" -q -j "$1" --html "$work/pages/%n.htm" "$2"/*.jpg; }
pinned_run() { taskset -c "$1" "$batch" -q -j 1 --html "$work/pages/%n.htm" "$pictures"/*.jpg; }
# shellcheck disable=SC2016 # expanded when best_of runs it
before_each='rm -f "$work/pages"/*'
declare -A best_j=()
take_turns 5 best_j "export_run 1 $pictures" "export_run 2 $pictures" "export_run 1 $twice" \
  "export_run 2 $twice" "pinned_run 0" "pinned_run 1"
pages_mb=$(du -sm "$work/pages" | cut -f1)
before_each=""
j1=${best_j[export_run 1 $pictures]} j2=${best_j[export_run 2 $pictures]}
j1_40=${best_j[export_run 1 $twice]} j2_40=${best_j[export_run 2 $twice]}
core0=${best_j[pinned_run 0]} core1=${best_j[pinned_run 1]}
echo "-j 1: ${j1}s, -j 2: ${j2}s (${pages_mb} MB of pages), -j 2 is" \
     "$(awk "BEGIN{printf \"%.2f\", $j1 / $j2}") x faster (target: at least 1.8 x) $(load)"
# With both cores busy, the best -j 2 can do is each core working at its own speed until the pictures
# are shared out: 1 / (1/core0 + 1/core1). Two equal cores make that half the time, 2 x.
echo "-j 1 on core 0 alone: ${core0}s, on core 1 alone: ${core1}s; both cores at their own speed" \
     "at best $(awk "BEGIN{printf \"%.2f\", $j1 * (1 / $core0 + 1 / $core1)}") x faster than -j 1;" \
     "-j 2 reaches $(awk "BEGIN{printf \"%.0f\", 100 / ($j2 * (1 / $core0 + 1 / $core1))}") % of it"
# On twice the pictures, what a run costs once (being started and ended, a worker's first writing of
# its memory, the wait for the last picture), which a second core cannot share, weighs half as much.
echo "40 pictures: -j 1: ${j1_40}s, -j 2: ${j2_40}s, -j 2 is $(awk "BEGIN{printf \"%.2f\", $j1_40 / $j2_40}") x faster"
