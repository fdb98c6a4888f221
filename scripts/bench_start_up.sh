#!/usr/bin/env bash
# Builds the Release program and the process start-up benchmark in build-release/ (or
# BEDITOR_BUILD_DIR), then times the editor's launch to its painted window against the floor
# windows on a private Xvfb display. Arguments go to the benchmark, e.g. --rounds 41.
# As root it runs under the real-time policy (--realtime), so that other work on a shared
# machine stays out of the figures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BEDITOR_BUILD_DIR:-"$root/build-release"}
"$root/scripts/install_dependencies.sh"
cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build_dir" --target start_up_process --parallel "$(nproc 2>/dev/null || echo 2)"
options=()
[ "$(id -u)" -eq 0 ] && options+=(--realtime)
exec "$build_dir/bench/start_up_process" "${options[@]}" "$@"
