#!/usr/bin/env bash
# Installs what is missing, builds, and opens the editor. Arguments name a fighter file
# relative to the Fighters folder, as on the program's own command line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install_dependencies.sh"
"$root/scripts/build.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display is available, so the editor window cannot be shown." >&2
  echo "Run it on a virtual display instead:" >&2
  echo "  xvfb-run -a \"$root/build/BEditor/beditor\"" >&2
  exit 1
fi
exec "$root/build/BEditor/beditor" "$@"
