#!/usr/bin/env bash
# Checks the formatting of every C++ file and the scripts with shellcheck, and runs clang-tidy
# (.clang-tidy) over the product code.
#   lint.sh BUILD_DIR        clang-tidy on the files the last commit and the work tree changed
#   GLIMMET_TIDY=all lint.sh BUILD_DIR    on every file (about 5 minutes on 2 cores)
# BUILD_DIR must hold compile_commands.json (CMAKE_EXPORT_COMPILE_COMMANDS=ON).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: lint.sh BUILD_DIR}
cd "$root"

git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
git ls-files -z '*.sh' .ci/run | xargs -0 shellcheck

product='^(render|params|pixels|picture|widgets|resources|interaction|files|window|batch|batchdraw)/.*\.cpp$'
if [ "${GLIMMET_TIDY:-changed}" = all ]; then
  files=$(git ls-files | grep -E "$product" || true)
else
  # A clone without history, or the first commit, checks everything.
  if git rev-parse -q --verify HEAD~1 >/dev/null; then
    files=$({ git diff --name-only HEAD~1; git diff --name-only; git ls-files --others --exclude-standard; } |
            sort -u | grep -E "$product" || true)
  else
    files=$(git ls-files | grep -E "$product" || true)
  fi
fi
[ -n "$files" ] || exit 0
# GCC-only warning options in the compile commands are not clang's business.
# shellcheck disable=SC2086
run-clang-tidy -quiet -p "$build" -j"$(nproc)" -extra-arg=-Wno-unknown-warning-option $files >"$build/clang-tidy.log" 2>&1 ||
  { grep -E 'warning:|error:' "$build/clang-tidy.log" | sed 's/\x1b\[[0-9;]*m//g'; echo "clang-tidy found the faults above"; exit 1; }
