#!/usr/bin/env bash
# Configures and builds BEditor into build/ (the program folder is build/BEditor/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BEDITOR_BUILD_DIR:-"$root/build"}
cmake -S "$root" -B "$build_dir" "$@" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc 2>/dev/null || echo 2)"
