#!/usr/bin/env bash
# How many faults the tests catch: runs a fixed sample of mutants of one folder's code against its
# tests, in a clone of the committed tree (the tool writes into the files it mutates).
#   mutation.sh render|params|batch|picture|widgets|window [OUT_DIR]
# MUTATE names the mutation tool (mutate.py); results go to OUT_DIR/<folder>.jsonl (default
# /tmp/glimmet-mutation), and a second call resumes where the first stopped. Samples: render 130,
# params 100, batch 120, picture 50, widgets 50, window 50 mutants, seed 1 (SEED=2 draws another
# sample, into <folder>-seed2.jsonl), so that runs on different commits compare. QUICK=1: see below.
# The mutants are built into the test programs and the `others` they run (the batch command); each
# case of the GoogleTest programs in `gtests` and each function of the Qt Test programs in `qtests` is
# registered as a test of its own, so that the report's kills per test name functions, not programs,
# and a new case is measured without naming it here.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
gtests=""
qtests=""
others=""
tests='::'  # the registered cases and functions only, never a whole program or a case CTest discovered
folder=${1:?usage: mutation.sh render|params|batch|picture|widgets|window [OUT_DIR]}
out=${2:-/tmp/glimmet-mutation}
mutate=${MUTATE:-$root/../shared/tools/mutate/mutate.py}
seed=${SEED:-1}
# QUICK=1 stops a mutant's tests at its first failure: the same score in a fraction of the time, but
# the kills per test then name only the first test that failed. ONLY="ID ..." runs those mutants of
# the sample again (after a test was added for them), into <result>-only.jsonl. FILES="a.cpp ..." takes
# every mutant of those files of the folder instead of the sample (a new file's), into
# <result>-files.jsonl.
stop=""
[ -z "${QUICK:-}" ] || stop="--stop-on-failure"
result=$folder
[ "$seed" = 1 ] || result="$folder-seed$seed"
src="$out/src-$folder"
window_tests="tests/widgets/tst_widgets tests/interaction/tst_interaction tests/files/tst_files tests/window/tst_window"

case "$folder" in
  render)
    gtests="tests/render/tst_render"
    files="render/ColorRules.cpp render/TransferRegion.cpp render/OutputSize.h"
    sample=130 ;;
  params)
    gtests="tests/params/tst_params"
    files="params/NumberRules.cpp params/FieldRules.cpp"
    sample=100 ;;
  batch)
    gtests="tests/batch/tst_batch_options tests/batch/tst_batch_command"
    others="batch/glimmet-batch libexec/glimmet/glimmet-batch-draw"
    files=$(cd "$root" && git ls-files 'batch/*.cpp' 'batchdraw/*.cpp' | tr '\n' ' ')
    sample=120 ;;
  picture)
    gtests="tests/picture/tst_picture_drawing tests/batch/tst_batch_command tests/pixels/tst_pixels"
    qtests="tests/files/tst_files"
    others="tests/fuzz/fuzz_replay_picture_load batch/glimmet-batch libexec/glimmet/glimmet-batch-draw"
    tests='::|^fuzz_replay_picture_load$|^valgrind_picture_load$'
    files="$(printf 'pixels/%s.cpp ' BmpDecoder BmpHeader GifDecoder JpegDecoder PictureIntegrity PictureLoader \
            PngDecoder OpaqueOnBlack PixelImage DamageWords FileReplacement DescriptorSink FileIdentity \
            ThreadHeapLargePages) $(printf 'picture/%s.cpp ' RasterCanvas BitmapWriter GlyphCache \
            CircleStamps ImagePixelSource OpaqueImage)"
    sample=50 ;;
  widgets)
    qtests=$window_tests
    others="batch/glimmet-batch libexec/glimmet/glimmet-batch-draw"
    files=$(printf 'widgets/%s.cpp ' BusyWork ChangeField FrameBox ImageBox PictureBox QtDialogService \
            SourcePictureBox StatusPanel StatusPanels SunkenBorder SystemReason TwipPlacement)
    sample=50 ;;
  window)
    gtests="tests/resources/tst_resources tests/window/tst_window_layout"
    qtests=$window_tests
    others="batch/glimmet-batch libexec/glimmet/glimmet-batch-draw"
    files=$(cd "$root" && git ls-files 'interaction/*.cpp' 'files/*.cpp' 'window/*.cpp' | tr '\n' ' ')
    sample=50 ;;
  *) echo "mutation.sh: no sample for '$folder'" >&2; exit 2 ;;
esac
if [ -n "${FILES:-}" ]; then
  files=$FILES sample=100000 result="$result-files"
fi
programs="$gtests $qtests $others"
targets=$(for p in $programs; do basename "$p"; done | tr '\n' ' ')
artifacts=$(for p in $programs; do echo "build/$p"; done | tr '\n' ' ')

mkdir -p "$out"
[ -d "$src" ] || git clone -q "$root" "$src"
git -C "$src" fetch -q "$root" HEAD && git -C "$src" reset -q --hard FETCH_HEAD
cmake -S "$src" -B "$src/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
# shellcheck disable=SC2086
cmake --build "$src/build" -j"$(nproc)" --target $targets >/dev/null
# Appends "<program>::<function>" entries to the CTest files that the configure step above has just
# written afresh; they stay, since no mutant touches a CMake file. `register PROGRAM FILTER` reads the
# functions' names from standard input.
# shellcheck disable=SC2094 # dirname only reads the file's name
register() {
  local file name
  file="$src/build/$(dirname "$1")/CTestTestfile.cmake"
  name=$(basename "$1")
  while read -r function; do
    echo "add_test([=[$name::$function]=] \"$src/build/$1\" \"$2$function\")"
    echo "set_tests_properties([=[$name::$function]=] PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen" \
         "WORKING_DIRECTORY \"$(dirname "$file")\")"
  done >>"$file"
}
for program in $gtests; do
  QT_QPA_PLATFORM=offscreen "$src/build/$program" --gtest_list_tests |
    awk '/^[^ ]/ {suite = $1} /^  / {print suite $1}' | register "$program" --gtest_filter=
done
for program in $qtests; do
  QT_QPA_PLATFORM=offscreen "$src/build/$program" -functions | sed 's/()$//' | register "$program" ""
done
only=()
[ -z "${ONLY:-}" ] || { read -r -a ids <<<"$ONLY"; only=(--only "${ids[@]}"); result="$result-only"; }
# shellcheck disable=SC2086 # the lists of artifacts and files, one word each
python3 "$mutate" run "${only[@]}" --src "$src" --build-cmd "cmake --build build -j$(nproc) --target $targets" \
  --test-cmd "ulimit -v 4000000; ctest --test-dir build -R '$tests' -j$(nproc) --timeout 60 $stop" \
  --artifacts $artifacts --files $files --sample "$sample" --seed "$seed" --out "$out/$result.jsonl"
python3 "$mutate" report "$out/$result.jsonl"
