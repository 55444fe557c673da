#!/usr/bin/env bash
# Installs what is missing, builds Glimmet and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target glimmet glimmet-batch
exec "$root/build/window/glimmet" "$@"
