#!/usr/bin/env bash
# How many faults the tests catch: runs a fixed sample of mutants of one folder's code against its
# tests, in a clone of the committed tree (the tool writes into the files it mutates).
#   mutation.sh render|params|batch|picture|window [OUT_DIR]
# MUTATE names the mutation tool (mutate.py); results go to OUT_DIR/<folder>.jsonl (default
# /tmp/glimmet-mutation), and a second call resumes where the first stopped. Samples: render 130,
# params 100, batch 120, picture 50, window 50 mutants, seed 1, so that runs on different commits compare.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:?usage: mutation.sh render|params|batch|picture|window [OUT_DIR]}
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
    tests='^(BatchOptions|OutputTemplate|tst_batch_command)'
    artifacts="build/tests/batch/tst_batch_options build/tests/batch/tst_batch_command build/batch/glimmet-batch"
    files=$(cd "$root" && git ls-files 'batch/*.cpp' | tr '\n' ' ')
    sample=120 ;;
  picture)
    targets="tst_platform_drawing tst_batch_pictures fuzz_replay_picture_load glimmet-batch"
    tests='^(tst_platform_drawing|tst_batch_pictures|fuzz_replay_picture_load)$'
    artifacts="build/tests/platform/tst_platform_drawing build/tests/batch/tst_batch_pictures
               build/tests/fuzz/fuzz_replay_picture_load build/batch/glimmet-batch"
    files=$(printf 'platform/%s.cpp ' BmpDecoder BmpHeader GifDecoder JpegDecoder PictureIntegrity PictureLoader \
            RasterCanvas BitmapWriter GlyphCache CircleStamps ImagePixelSource OpaqueOnBlack)
    sample=50 ;;
  window)
    targets="tst_interaction tst_files tst_window tst_window_layout tst_resources glimmet-batch"
    tests='^(tst_resources|tst_interaction|tst_files|tst_window|FormLayout[.].*)$'
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
# shellcheck disable=SC2086
python3 "$mutate" run --src "$src" --build-cmd "cmake --build build -j$(nproc) --target $targets" \
  --test-cmd "ulimit -v 4000000; ctest --test-dir build -R '$tests' -j$(nproc) --timeout 60" \
  --artifacts $artifacts --files $files --sample "$sample" --seed 1 --out "$out/$folder.jsonl"
python3 "$mutate" report "$out/$folder.jsonl"
