#!/usr/bin/env bash
# How many faults the tests catch: runs a fixed sample of mutants of one folder's code against its
# tests, in a clone of the committed tree (the tool writes into the files it mutates).
#   mutation.sh render|params|batch|picture|widgets|window [OUT_DIR]
# MUTATE names the mutation tool (mutate.py); results go to OUT_DIR/<folder>.jsonl (default
# /tmp/glimmet-mutation), and a second call resumes where the first stopped. Samples: render 130,
# params 100, batch 120, picture 50, widgets 50, window 50 mutants, seed 1, so that runs on different commits compare.
# Every test function of the executables in `split` is registered as a test of its own, so that the
# report's kills per test name functions, not whole executables.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
split=""
folder=${1:?usage: mutation.sh render|params|batch|picture|widgets|window [OUT_DIR]}
out=${2:-/tmp/glimmet-mutation}
mutate=${MUTATE:-$root/../shared/tools/mutate/mutate.py}
src="$out/src-$folder"

case "$folder" in
  render)
    targets="tst_render"
    tests='^(ColorToHex|ColorMatches|HtmlPage|PageFile|TransferRegion|WalkConcurrency|OutputSize)'
    artifacts="build/tests/render/tst_render"
    files="render/ColorRules.cpp render/TransferRegion.cpp render/OutputSize.h"
    sample=130 ;;
  params)
    targets="tst_params"
    tests='^(NumberRules|FieldRules)'
    artifacts="build/tests/params/tst_params"
    files="params/NumberRules.cpp params/FieldRules.cpp"
    sample=100 ;;
  batch)
    targets="tst_batch_options tst_batch_command glimmet-batch"
    tests='^(BatchOptions|OutputTemplate)|::'
    split="tests/batch/tst_batch_command"
    artifacts="build/tests/batch/tst_batch_options build/tests/batch/tst_batch_command build/batch/glimmet-batch"
    files=$(cd "$root" && git ls-files 'batch/*.cpp' | tr '\n' ' ')
    sample=120 ;;
  picture)
    targets="tst_platform_drawing tst_batch_pictures fuzz_replay_picture_load glimmet-batch"
    tests='::|^fuzz_replay_picture_load$'
    split="tests/platform/tst_platform_drawing tests/batch/tst_batch_pictures"
    artifacts="build/tests/platform/tst_platform_drawing build/tests/batch/tst_batch_pictures
               build/tests/fuzz/fuzz_replay_picture_load build/batch/glimmet-batch"
    files=$(printf 'platform/%s.cpp ' BmpDecoder BmpHeader GifDecoder JpegDecoder PictureIntegrity PictureLoader \
            RasterCanvas BitmapWriter GlyphCache CircleStamps ImagePixelSource OpaqueOnBlack)
    sample=50 ;;
  widgets)
    targets="tst_interaction tst_files tst_window glimmet-batch"
    tests='::'
    split="tests/interaction/tst_interaction tests/files/tst_files tests/window/tst_window"
    artifacts="build/tests/interaction/tst_interaction build/tests/files/tst_files build/tests/window/tst_window"
    files=$(printf 'platform/%s.cpp ' BusyWork ChangeField FrameBox ImageBox PictureBox QtDialogService \
            SourcePictureBox StatusPanel StatusPanels SunkenBorder SystemReason TwipPlacement)
    sample=50 ;;
  window)
    targets="tst_interaction tst_files tst_window tst_window_layout tst_resources glimmet-batch"
    tests='::|^FormLayout[.]'
    split="tests/resources/tst_resources tests/interaction/tst_interaction tests/files/tst_files tests/window/tst_window"
    artifacts="build/tests/interaction/tst_interaction build/tests/files/tst_files build/tests/window/tst_window
               build/tests/window/tst_window_layout build/tests/resources/tst_resources"
    files=$(cd "$root" && git ls-files 'interaction/*.cpp' 'files/*.cpp' 'window/*.cpp' | tr '\n' ' ')
    sample=50 ;;
  *) echo "mutation.sh: no sample for '$folder'" >&2; exit 2 ;;
esac

mkdir -p "$out"
[ -d "$src" ] || git clone -q "$root" "$src"
git -C "$src" fetch -q "$root" HEAD && git -C "$src" reset -q --hard FETCH_HEAD
cmake -S "$src" -B "$src/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
# shellcheck disable=SC2086
cmake --build "$src/build" -j"$(nproc)" --target $targets >/dev/null
# Appends "<executable>::<function>" entries to the generated CTest files (CMake files are never
# mutated, so they stay).
for exe in $split; do
  file="$src/build/$(dirname "$exe")/CTestTestfile.cmake"
  name=$(basename "$exe")
  grep -q "^# $name per function" "$file" && continue
  echo "# $name per function" >>"$file"
  filter=""  # GoogleTest executables take a filter, Qt Test ones the bare function name
  [[ $name == tst_batch* || $name == tst_platform* || $name == tst_resources ]] && filter="--gtest_filter="
  if [ -n "$filter" ]; then
    QT_QPA_PLATFORM=offscreen "$src/build/$exe" --gtest_list_tests |
      awk '/^[^ ]/ {suite = $1} /^  / {print suite $1}'
  else
    QT_QPA_PLATFORM=offscreen "$src/build/$exe" -functions | sed 's/()$//'
  fi | while read -r function; do
    echo "add_test([=[$name::$function]=] \"$src/build/$exe\" \"$filter$function\")" >>"$file"
    echo "set_tests_properties([=[$name::$function]=] PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen" \
         "WORKING_DIRECTORY \"$(dirname "$file")\")" >>"$file"
  done
done
# shellcheck disable=SC2086
python3 "$mutate" run --src "$src" --build-cmd "cmake --build build -j$(nproc) --target $targets" \
  --test-cmd "ulimit -v 4000000; ctest --test-dir build -R '$tests' -j$(nproc) --timeout 60" \
  --artifacts $artifacts --files $files --sample "$sample" --seed 1 --out "$out/$folder.jsonl"
python3 "$mutate" report "$out/$folder.jsonl"
