#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/ and runs each target for SECONDS (default 60), one after
# the other, at low priority, from its seeds in tests/data.
# Inputs that widen coverage are kept in build-fuzz/corpus/<target> for the next run. An input that
# crashes a target, leaks or takes over 30 s (the machine may be busy) is left in
# build-fuzz/findings/<target>/ and the script ends with status 1; once fixed, commit it to
# tests/fuzz/reproducers/<target>/, which the normal test run replays.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
"$root/scripts/deps.sh" clang libclang-rt-14-dev
build="$root/build-fuzz"
targets=(picture_load field_rules batch_options)
declare -A seeds=([picture_load]=pictures [field_rules]=field-texts [batch_options]=batch-arguments)

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLIMMET_FUZZ=ON -DGLIMMET_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1

status=0
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target" "$build/findings/$target"
  reproducers=("$root/tests/fuzz/reproducers/$target")
  [ -d "${reproducers[0]}" ] || reproducers=()
  echo "== $target, $seconds s"
  if ! nice -n 10 "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=30 \
        -print_final_stats=1 -artifact_prefix="$build/findings/$target/" \
        "$build/corpus/$target" "$root/tests/data/${seeds[$target]}" "${reproducers[@]}" 2>"$build/findings/$target.log"; then
    status=1
    echo "$target: finding in $build/findings/$target/ (log: $build/findings/$target.log)"
  fi
  grep -E "^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)|^Done" "$build/findings/$target.log" || true
done
exit $status
