#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt 6 for 64-bit Windows from Debian's own qt6-base source with MinGW-w64, once, into a cache
# outside the clone. A cache that is already complete is reused and nothing is built.
#   scripts/windows-qt.sh            prints the Qt prefix on its last line
# KESTIVE_WINDOWS_CACHE names the cache folder (default: ~/.cache/kestive-windows).
set -euo pipefail
cd "$(dirname "$0")/.."

cache=${KESTIVE_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kestive-windows}
prefix=$cache/qt6-mingw64
stamp=$prefix/.complete

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

if [ -f "$stamp" ]; then
  echo "Qt for Windows: using the cached build in $prefix"
  echo "$prefix"
  exit 0
fi

mkdir -p "$cache"
src_parent=$cache/source
if ! ls "$src_parent"/qt6-base_*.orig.tar.xz >/dev/null 2>&1; then
  # The source comes from the same archive and suite as the installed packages.
  if ! apt-get indextargets --format '$(IDENTIFIER)' 2>/dev/null | grep -qx Sources; then
    list=/etc/apt/sources.list.d/kestive-deb-src.sources
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      sed -e 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | "${sudo_cmd[@]}" tee "$list" >/dev/null
    else
      grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/kestive-deb-src.list >/dev/null
    fi
    "${sudo_cmd[@]}" apt-get update -q
  fi
  mkdir -p "$src_parent"
  (cd "$src_parent" && apt-get source --download-only qt6-base)
fi
tarball=$(ls "$src_parent"/qt6-base_*.orig.tar.xz | head -n 1)
work=$cache/work
rm -rf "$work"
mkdir -p "$work"
tar -C "$work" -xJf "$tarball"
qtsrc=$(find "$work" -maxdepth 1 -type d -name 'qtbase-everywhere-src-*' | head -n 1)

toolchain=$(pwd)/cmake/mingw-w64-x86_64.cmake
host_cmake_dir=$(dirname "$(dirname "$(find /usr/lib -path '*/cmake/Qt6/Qt6Config.cmake' | head -n 1)")")

started=$(date +%s)
cmake -G Ninja -S "$qtsrc" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF \
  -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_tabletevent=OFF -DFEATURE_opengl=ON
cmake --build "$work/build" -j "$(nproc)"
cmake --install "$work/build"
touch "$stamp"
rm -rf "$work"
echo "Qt for Windows built in $(( $(date +%s) - started )) s into $prefix"
echo "$prefix"
