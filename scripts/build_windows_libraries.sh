#!/usr/bin/env bash
# Builds, once per machine, the static libraries the roster's workbooks need for 64-bit
# Windows (MinGW-w64): zlib, minizip, expat and libxlsxwriter, each from Debian's own source
# package of the version the Linux build uses (apt-get source). Beside build_windows_qt.sh and
# like it: the result lives in a cache folder outside the clone, keyed by the source versions
# and the build options, and is reused whenever it is there. These are small C libraries: the
# first build takes about a minute on two cores.
#
# It prints the folder it built into (the prefix) as its last line; progress goes to standard
# error. The prefix holds include/ and lib/ with libz.a, libminizip.a, libexpat.a and
# libxlsxwriter.a. BEDITOR_WINDOWS_DEPS overrides the cache folder, as for Qt.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
cache_base=${BEDITOR_WINDOWS_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/beditor}
toolchain="$root/cmake/mingw-w64.cmake"
cc=x86_64-w64-mingw32-gcc-posix
ar=x86_64-w64-mingw32-ar

say() { echo "[windows-libraries] $*" >&2; }
fail() { echo "[windows-libraries] error: $*" >&2; exit 1; }

packages=(zlib minizip expat libxlsxwriter)
cflags=(-O2 -DNDEBUG)
expat_options=(
  -DCMAKE_BUILD_TYPE=Release -DEXPAT_SHARED_LIBS=OFF -DEXPAT_BUILD_TOOLS=OFF -DEXPAT_BUILD_EXAMPLES=OFF
  -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF -DEXPAT_BUILD_PKGCONFIG=OFF -DEXPAT_MSVC_STATIC_CRT=OFF
)
# libxlsxwriter on the minizip above (as Debian builds it), with its own temporary files
# (the C library's tmpfile() writes to the root of drive C: on Windows) and without MD5, which
# it uses only to share repeated images.
xlsxwriter_defines=(-DUSE_SYSTEM_MINIZIP -DUSE_NO_MD5)

# Every version of the source package apt knows, newest first: the newest may sit in an
# archive that does not serve its source (the security archive), so the next one is tried.
source_versions() {
  apt-cache showsrc "$1" 2>/dev/null | awk '/^Version:/ { print $2 }' | sort -u | sort -r -V
}

# Unpacks the newest source of package $1 that apt can fetch into $2 (Debian's patches
# applied); prints the version it took.
fetch_source() {
  local package=$1 into=$2 download version
  download=$(mktemp -d)
  chmod 777 "$download"  # apt fetches as its own user (_apt)
  for version in $(source_versions "$package"); do
    if (cd "$download" && apt-get source -qq --download-only "$package=$version" >/dev/null 2>&1); then
      dpkg-source --no-check -x "$(ls "$download"/*.dsc | head -1)" "$into" >/dev/null \
        || { rm -rf "$download"; fail "could not unpack $package $version"; }
      rm -rf "$download"
      echo "$version"
      return
    fi
    rm -f "$download"/*
  done
  rm -rf "$download"
  fail "could not fetch Debian's source package $package (apt-get source): is the archive reachable?"
}

command -v "$cc" >/dev/null || fail "MinGW-w64 (g++-mingw-w64-x86-64-posix) is not installed"
command -v dpkg-source >/dev/null || fail "dpkg-source (dpkg-dev) is not installed"
command -v ninja >/dev/null || fail "ninja (ninja-build) is not installed"

# apt's deb-src entry is set up by the Qt script's first run (ensure_deb_src).
versions=()
for package in "${packages[@]}"; do
  newest=$(source_versions "$package" | head -1)
  [ -n "$newest" ] || fail "apt knows no source of $package (run scripts/build_windows_qt.sh first: it adds the deb-src entry)"
  versions+=("$package" "$(source_versions "$package" | tr '\n' ' ')")
done
key=$(printf '%s\n' "${versions[@]}" "${cflags[@]}" "${expat_options[@]}" "${xlsxwriter_defines[@]}" \
  "$("$cc" -dumpversion)" | sha256sum | cut -c1-12)
prefix="$cache_base/windows-x64-libraries-$key"
if [ -f "$prefix/done" ]; then
  echo "$prefix"
  exit 0
fi

started=$(date +%s)
say "building zlib, minizip, expat and libxlsxwriter for Windows into $prefix"
rm -rf "$prefix"
work=$(mktemp -d "$cache_base/work-libraries-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$prefix/include/minizip" "$prefix/lib"
built=()

# Compiles the C files given after "--" into lib/$1.a, with the flags before "--".
static_library() {
  local name=$1 flags=() objects=() source object
  shift
  while [ "$1" != -- ]; do flags+=("$1"); shift; done
  shift
  mkdir -p "$work/objects-$name"
  for source in "$@"; do
    object="$work/objects-$name/$(basename "$source" .c).o"
    "$cc" "${cflags[@]}" "${flags[@]}" -c "$source" -o "$object" &
    objects+=("$object")
    # at most $jobs compilers at once
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n; done
  done
  wait
  "$ar" rcs "$prefix/lib/$name.a" "${objects[@]}"
}

version=$(fetch_source zlib "$work/zlib")
built+=("zlib $version")
say "zlib $version"
(cd "$work/zlib" && static_library libz -- adler32.c compress.c crc32.c deflate.c gzclose.c gzlib.c gzread.c \
  gzwrite.c infback.c inffast.c inflate.c inftrees.c trees.c uncompr.c zutil.c)
cp "$work/zlib/zlib.h" "$work/zlib/zconf.h" "$prefix/include/"

version=$(fetch_source minizip "$work/minizip")
built+=("minizip $version")
say "minizip $version"
(cd "$work/minizip" && static_library libminizip -I"$prefix/include" -- ioapi.c iowin32.c mztools.c unzip.c zip.c)
cp "$work/minizip"/{ioapi.h,iowin32.h,mztools.h,unzip.h,zip.h,crypt.h} "$prefix/include/minizip/"

version=$(fetch_source expat "$work/expat")
built+=("expat $version")
say "expat $version"
expat_source="$work/expat"
[ -f "$expat_source/CMakeLists.txt" ] || expat_source="$work/expat/expat"
cmake -S "$expat_source" -B "$work/expat-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_INSTALL_PREFIX="$prefix" "${expat_options[@]}" >"$work/expat.log" 2>&1 \
  || { tail -30 "$work/expat.log" >&2; fail "configuring expat failed"; }
# Debian's security patches test "#if XML_DTD == 1", as its autotools build defines it; the
# CMake build defines it empty.
sed -i 's/^#define XML_DTD$/#define XML_DTD 1/' "$work/expat-build/expat_config.h"
cmake --build "$work/expat-build" --parallel "$jobs" >>"$work/expat.log" 2>&1 \
  && cmake --install "$work/expat-build" >>"$work/expat.log" 2>&1 \
  || { tail -30 "$work/expat.log" >&2; fail "building expat failed"; }

version=$(fetch_source libxlsxwriter "$work/xlsxwriter")
built+=("libxlsxwriter $version")
say "libxlsxwriter $version"
(cd "$work/xlsxwriter" && static_library libxlsxwriter -Iinclude -I"$prefix/include" "${xlsxwriter_defines[@]}" -- \
  src/*.c third_party/tmpfileplus/tmpfileplus.c)
cp -r "$work/xlsxwriter/include/xlsxwriter.h" "$work/xlsxwriter/include/xlsxwriter" "$prefix/include/"

printf '%s\n' "${built[@]}" >"$prefix/done"
# Builds of earlier versions or options are of no further use.
for earlier in "$cache_base"/windows-x64-libraries-*; do
  [ "$earlier" = "$prefix" ] || rm -rf "$earlier"
done
say "done in $(($(date +%s) - started)) s: $prefix"
echo "$prefix"
