#!/usr/bin/env bash
# Builds, once per machine, the static Qt 6 and libjpeg for 64-bit Windows (MinGW-w64) that
# the Windows build of the editor links against, from Debian's own source packages of the
# same Qt and libjpeg-turbo that the Linux build uses. The result lives in a cache folder
# outside the clone, keyed by the source versions and the build options, and is reused
# whenever it is there: the first build takes about half an hour on two cores, a cached one
# no time at all.
#
# It prints the folder it built into (the prefix) as its last line; progress goes to
# standard error. The prefix holds lib/cmake/Qt6 and lib/cmake/libjpeg-turbo, ready for CMAKE_PREFIX_PATH.
# BEDITOR_WINDOWS_DEPS overrides the cache folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
cache_base=${BEDITOR_WINDOWS_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/beditor}
toolchain="$root/cmake/mingw-w64.cmake"

say() { echo "[windows-qt] $*" >&2; }
fail() { echo "[windows-qt] error: $*" >&2; exit 1; }

# What the editor needs of Qt: Core, Gui, Widgets and Test, the windows and offscreen
# platforms, PNG for the icons. (The Direct2D platform stays: without it this Qt's windows
# platform lacks its DirectWrite font database and does not link.) Everything else is switched off, which is most of the build
# time saved. JPEG goes through libjpeg directly, so Qt's own copy is not built (it would
# clash with libjpeg at link time). Two traps of this Qt and this source: the Debian source
# has no wintab (tablet events off), and OpenGL must be switched off through its input, or
# dynamic GL stays on and the windows platform does not compile.
qt_options=(
  -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_openssl=OFF
  -DFEATURE_icu=OFF -DFEATURE_zstd=OFF
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
  -DFEATURE_sql_sqlite=OFF -DFEATURE_pdf=OFF -DFEATURE_printer=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
)
jpeg_options=(
  -DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=OFF -DENABLE_STATIC=ON
  -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF -DWITH_JPEG8=OFF -DWITH_JAVA=OFF
)

# The source packages' versions, as the archive has them: asked once, so the cache key
# follows Debian's updates.
source_version() {
  apt-cache showsrc "$1" 2>/dev/null | awk '/^Version:/ { print $2; exit }'
}

# apt-get source needs a deb-src entry for the archive the machine already uses: same
# URIs and suites as its deb entries.
ensure_deb_src() {
  if apt-cache showsrc qt6-base >/dev/null 2>&1 && [ -n "$(source_version qt6-base)" ]; then
    return
  fi
  local sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || fail "no deb-src entry for Debian's archive, and neither root nor sudo to add one"
    sudo_cmd=(sudo)
  fi
  local list=/etc/apt/sources.list.d/beditor-deb-src.sources
  say "adding Debian's source archive to apt ($list)"
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed -e 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | "${sudo_cmd[@]}" tee "$list" >/dev/null
  elif [ -f /etc/apt/sources.list ]; then
    grep -E '^deb ' /etc/apt/sources.list | sed -e 's/^deb /deb-src /' \
      | "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/beditor-deb-src.list >/dev/null
  else
    fail "found no apt sources to derive a deb-src entry from"
  fi
  "${sudo_cmd[@]}" apt-get update -qq || fail "apt-get update failed after adding the deb-src entry"
}

# Unpacks Debian's source package $1 into $2 (Debian's patches applied).
fetch_source() {
  local package=$1 into=$2
  [ -d "$into" ] && return
  local download
  download=$(mktemp -d)
  # apt fetches as its own user (_apt), which must be able to write there.
  chmod 777 "$download"
  say "fetching Debian's source package $package"
  (cd "$download" && apt-get source -qq --download-only "$package" >/dev/null) \
    || { rm -rf "$download"; fail "could not fetch Debian's source package $package (apt-get source): is the archive reachable?"; }
  local dsc
  dsc=$(ls "$download"/*.dsc | head -1)
  dpkg-source --no-check -x "$dsc" "$download/src" >/dev/null || { rm -rf "$download"; fail "could not unpack $dsc"; }
  mv "$download/src" "$into"
  rm -rf "$download"
}

key_of() { printf '%s\n' "$@" | sha256sum | cut -c1-12; }

mkdir -p "$cache_base"
command -v x86_64-w64-mingw32-g++-posix >/dev/null || fail "MinGW-w64 (g++-mingw-w64-x86-64-posix) is not installed"
command -v dpkg-source >/dev/null || fail "dpkg-source (dpkg-dev) is not installed"
command -v ninja >/dev/null || fail "ninja (ninja-build) is not installed"
[ -x /usr/lib/qt6/libexec/moc ] || fail "Qt's host tools (qt6-base-dev-tools) are not installed"

ensure_deb_src
qt_version=$(source_version qt6-base)
jpeg_version=$(source_version libjpeg-turbo)
[ -n "$qt_version" ] && [ -n "$jpeg_version" ] || fail "apt knows no source of qt6-base or libjpeg-turbo"
key=$(key_of "$qt_version" "$jpeg_version" "${qt_options[@]}" "${jpeg_options[@]}" "$(x86_64-w64-mingw32-g++-posix -dumpversion)")
prefix="$cache_base/windows-x64-qt-${qt_version%%+*}-$key"
if [ -f "$prefix/done" ]; then
  echo "$prefix"
  exit 0
fi

say "building Qt $qt_version and libjpeg-turbo $jpeg_version for Windows into $prefix"
say "this is done once per machine and takes about half an hour on two cores"
rm -rf "$prefix"
work="$cache_base/work-$key"
mkdir -p "$work"

fetch_source libjpeg-turbo "$work/libjpeg-turbo"
say "libjpeg-turbo: configuring and building"
cmake -S "$work/libjpeg-turbo" -B "$work/libjpeg-build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" "${jpeg_options[@]}" >"$work/libjpeg.log" 2>&1 \
  || { tail -30 "$work/libjpeg.log" >&2; fail "configuring libjpeg-turbo failed (log: $work/libjpeg.log)"; }
cmake --build "$work/libjpeg-build" --parallel "$jobs" >>"$work/libjpeg.log" 2>&1 \
  && cmake --install "$work/libjpeg-build" >>"$work/libjpeg.log" 2>&1 \
  || { tail -30 "$work/libjpeg.log" >&2; fail "building libjpeg-turbo failed (log: $work/libjpeg.log)"; }

fetch_source qt6-base "$work/qtbase"
say "Qt: configuring"
cmake -S "$work/qtbase" -B "$work/qt-build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  "${qt_options[@]}" >"$work/qt.log" 2>&1 \
  || { tail -40 "$work/qt.log" >&2; fail "configuring Qt failed (log: $work/qt.log)"; }
steps=$(ninja -C "$work/qt-build" -n 2>/dev/null | grep -c '^\[' || true)
say "Qt: building ($steps steps; progress in $work/qt.log)"
cmake --build "$work/qt-build" --parallel "$jobs" >>"$work/qt.log" 2>&1 \
  || { tail -40 "$work/qt.log" >&2; fail "building Qt failed (log: $work/qt.log)"; }
cmake --install "$work/qt-build" >>"$work/qt.log" 2>&1 || fail "installing Qt failed (log: $work/qt.log)"

printf 'qt6-base %s\nlibjpeg-turbo %s\n' "$qt_version" "$jpeg_version" >"$prefix/done"
rm -rf "$work"
# Builds of earlier versions or options are of no further use.
for earlier in "$cache_base"/windows-x64-qt-*; do
  [ "$earlier" = "$prefix" ] || rm -rf "$earlier"
done
say "done: $prefix"
echo "$prefix"
