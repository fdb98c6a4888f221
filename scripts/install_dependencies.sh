#!/usr/bin/env bash
# Installs, with apt, whatever BEditor needs to build, test and run that is not installed yet.
# Quick when nothing is missing; works as root or, through sudo, as a normal user.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libjpeg62-turbo-dev libboost-dev libfontconfig-dev
  # Qt's own texts (file dialogs, message box buttons) in the user's language, and Qt's
  # translation tools (lupdate, lrelease) for ours.
  qt6-translations-l10n qt6-l10n-tools
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev
  # The roster's workbooks (.xlsx): libxlsxwriter writes them, minizip and expat read them.
  libxlsxwriter-dev libminizip-dev libexpat1-dev zlib1g-dev
  # The workbook tests' spreadsheet programs that are not ours: LibreOffice Calc without its
  # windows (about 80 MB to fetch, a minute to install) and openpyxl.
  libreoffice-calc-nogui python3-openpyxl
  fonts-wine
  xvfb xauth x11-utils xdotool imagemagick libx11-dev
  # The real-display test reads the program's dialogs over a private D-Bus (dbus-daemon);
  # the launcher test checks and starts the menu entry (desktop-file-validate, gio).
  dbus desktop-file-utils libglib2.0-bin
  # The Windows build and Wine to run its tests; Debian's Qt and libjpeg sources for the
  # static Qt of that build (dpkg-source, ninja), and NSIS for its installer.
  g++-mingw-w64-x86-64-posix wine wine64 dpkg-dev ninja-build nsis
)
# Extra tools for the fuzzing and sanitizer runs.
if [ "${BEDITOR_FUZZ_TOOLS:-0}" = 1 ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
elif command -v sudo >/dev/null 2>&1; then
  sudo_cmd=(sudo)
else
  echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
