#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors, runs every test and the lint
# (formatting, clang-tidy on every product file, shellcheck on the scripts); then builds and runs the tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer (GLIMMET_SANITIZE=0 skips that).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" shellcheck
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLIMMET_WERROR=ON \
      -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
cmake --build "$root/build" -j"$jobs"
ctest --test-dir "$root/build" --output-on-failure -j"$jobs"
# Every product file, not only the last commit's: a push of several commits is checked whole.
GLIMMET_TIDY=all "$root/scripts/lint.sh" "$root/build"

if [ "${GLIMMET_SANITIZE:-1}" != 0 ]; then
  # Leak reports are off: the font and platform libraries keep caches alive until exit.
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  cmake -S "$root" -B "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DGLIMMET_SANITIZE=ON -DGLIMMET_BENCH=OFF
  cmake --build "$root/build-sanitize" -j"$jobs"
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j"$jobs"
fi
