#!/usr/bin/env bash
# Builds the Release program and the process start-up benchmark in build-release/ (or
# BEDITOR_BUILD_DIR), then times the editor's launch to its painted window against the floor
# windows on a private Xvfb display. Arguments go to the benchmark, e.g. --rounds 41.
# Every launch runs under the ordinary scheduling policy, as users run the program. Only when
# asked, --realtime (root only) runs them under the real-time policy instead, which keeps other
# work on a shared machine out of the figures but is not how anybody runs the editor.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BEDITOR_BUILD_DIR:-"$root/build-release"}
"$root/scripts/install_dependencies.sh"
cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build_dir" --target start_up_process --parallel "$(nproc 2>/dev/null || echo 2)"
exec "$build_dir/bench/start_up_process" "$@"
