#!/usr/bin/env bash
# Measures the speed targets side by side in one run: the walk per fill mode (Google Benchmark), the
# batch HTML export against jp2a on the same pictures, and the batch command's peak memory.
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

echo "== walk over a 1024 x 1024 grid, one thread"
QT_QPA_PLATFORM=offscreen "$build/bench/bench_walk" --benchmark_min_time=1 2>/dev/null

# Seconds of the best of five runs of a command.
best_of_five() {
  local best=""
  for _ in 1 2 3 4 5; do
    local t
    /usr/bin/time -f "%e" -o "$work/time" "$@" >/dev/null 2>&1
    t=$(tail -n 1 "$work/time")
    if [ -z "$best" ] || awk "BEGIN{exit !($t < $best)}"; then best=$t; fi
  done
  echo "$best"
}

echo "== transfer of a 1024 x 1024 selection through the real window (offscreen)"
QT_QPA_PLATFORM=offscreen "$build/bench/bench_window" 2>/dev/null

echo "== HTML export: glimmet-batch against jp2a --colors --html (best of 5)"
for side in 1024 2048; do
  picture="$work/p$side.jpg"
  convert -size "${side}x${side}" -seed 7 plasma:fractal "$picture"
  ours=$(best_of_five sh -c "rm -f '$work/o.htm'; '$batch' -q --html '$work/o.htm' '$picture'")
  theirs=$(best_of_five sh -c "jp2a --colors --html --size=${side}x${side} '$picture' > '$work/j.html'")
  size=$(stat -c %s "$work/o.htm")
  echo "${side}x${side}: glimmet-batch ${ours}s (page $((size / 1000000)) MB), jp2a ${theirs}s," \
       "ratio $(awk "BEGIN{printf \"%.2f\", $ours / $theirs}") (target: at most 0.50)"
done

echo "== peak memory of the batch command on a 4096 x 4096 picture"
picture="$work/p4096.jpg"
convert -size 4096x4096 -seed 7 plasma:fractal "$picture"
decoded_kb=$((4096 * 4096 * 4 / 1024))
for args in "-o $work/o.bmp" "-f text -o $work/o.bmp" "--html $work/o4096.htm"; do
  /usr/bin/time -f "%M" -o "$work/peak" "$batch" -q $args "$picture" >/dev/null 2>&1
  peak=$(tail -n 1 "$work/peak")
  echo "glimmet-batch $args: peak ${peak} KB = $(awk "BEGIN{printf \"%.2f\", $peak / $decoded_kb}") x the decoded picture (target: below 3)"
done
