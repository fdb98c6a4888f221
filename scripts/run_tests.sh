#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless through CTest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install_dependencies.sh"
"$root/scripts/build.sh"
cd "${BEDITOR_BUILD_DIR:-$root/build}"
ctest --output-on-failure --parallel "$(nproc 2>/dev/null || echo 2)" "$@"
