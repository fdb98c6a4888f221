#!/usr/bin/env bash
# Puts BEditor into the desktop's application menu: writes a freedesktop launcher,
# beditor.desktop, into the user's applications folder (~/.local/share/applications, or
# $XDG_DATA_HOME/applications). It starts the program folder's beditor and shows the
# program's icon from that folder.
#
#   scripts/install_launcher.sh [PROGRAM_FOLDER]   default: build/BEditor of this checkout
#   scripts/install_launcher.sh --remove           takes the launcher away again
#
# The launcher names the folder where it is now: after moving the folder, run this again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
applications="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
entry="$applications/beditor.desktop"

fail() {
  echo "install_launcher: $*" >&2
  exit 1
}

# Lets the menus see the change at once where the desktop keeps a cache of launchers.
refresh_menus() {
  if command -v update-desktop-database >/dev/null 2>&1; then
    update-desktop-database -q "$applications" 2>/dev/null || true
  fi
}

# A value of type string in a desktop entry: a backslash is written as two.
desktop_string() {
  printf '%s' "${1//\\/\\\\}"
}

# One Exec argument, always in double quotes: inside them ", `, $ and \ take a backslash,
# a literal % is written %%, and then the whole is a string value as above.
exec_argument() {
  local text=$1
  text=${text//\\/\\\\}
  text=${text//\"/\\\"}
  text=${text//\`/\\\`}
  text=${text//\$/\\\$}
  text=${text//%/%%}
  desktop_string "\"$text\""
}

case "${1:-}" in
  --remove)
    [ $# -eq 1 ] || fail "--remove takes no folder"
    rm -f "$entry"
    refresh_menus
    echo "Removed $entry"
    exit 0
    ;;
  -h | --help)
    sed -n '2,11s/^# \{0,1\}//p' "$0"
    exit 0
    ;;
  -*)
    fail "unknown option $1 (try --help)"
    ;;
esac
[ $# -le 1 ] || fail "one program folder at most"

given=${1:-$root/build/BEditor}
folder=$(cd "$given" 2>/dev/null && pwd) || fail "no program folder at $given: build it first (scripts/build.sh)"
[ -x "$folder/beditor" ] || fail "$folder holds no beditor program: build it first (scripts/build.sh)"
icon="$folder/icons/beditor_256.png"
[ -f "$icon" ] || fail "$folder holds no icon (icons/beditor_256.png): build it first (scripts/build.sh)"
case "$folder" in
  *$'\n'* | *$'\r'*) fail "a folder name with a line break cannot go into a launcher" ;;
  *%*) echo "install_launcher: warning: GLib-based desktops (GNOME and others) do not start a" \
    "program whose path holds a %; rename the folder if the launcher does nothing" >&2 ;;
esac

mkdir -p "$applications"
# Written beside the entry and renamed over it, so a menu never reads half a file.
temporary=$(mktemp "$applications/.beditor.desktop.XXXXXX")
trap 'rm -f "$temporary"' EXIT
cat >"$temporary" <<EOF
[Desktop Entry]
Type=Application
Version=1.0
Name=BEditor
GenericName=Fighter editor
Comment=Edit the fighter files of TAV and JEX
Exec=$(exec_argument "$folder/beditor")
Icon=$(desktop_string "$icon")
Terminal=false
Categories=Game;
StartupWMClass=BEditor
EOF
chmod 644 "$temporary"
mv -f "$temporary" "$entry"
trap - EXIT
refresh_menus
echo "Installed $entry"
