#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Kestive for 64-bit Windows, cross-built on this Debian machine from Debian's archive only.
#   scripts/windows.sh         installs what is missing, builds Qt for Windows once (scripts/windows-qt.sh),
#                              cross-builds Kestive into build/windows and writes
#                              build/windows/kestive-VERSION-setup.exe and kestive-VERSION-windows.zip
#   scripts/windows.sh test    the same, then runs the Windows tests under Wine on a virtual display
# Qt and GoogleTest for Windows are kept in KESTIVE_WINDOWS_CACHE (default ~/.cache/kestive-windows).
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-build}
case $mode in build | test) ;; *) echo "usage: scripts/windows.sh [test]" >&2; exit 2 ;; esac
started=$(date +%s)
root=$(pwd)
jobs=$(nproc)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
bash scripts/setup.sh test  # the native build (the picture and icon drawers) and the test tools
missing=()
for p in g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 nsis zip unzip dpkg-dev xz-utils; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

echo "== Qt for Windows"
qt=$(bash scripts/windows-qt.sh | tail -n 1)
cache=$(dirname "$qt")
toolchain=$root/cmake/mingw-w64-x86_64.cmake

echo "== GoogleTest for Windows"
gtest=$cache/googletest-mingw64
if [ ! -f "$gtest/.complete" ]; then
  rm -rf "$cache/googletest-build" "$gtest"
  cmake -G Ninja -S /usr/src/googletest -B "$cache/googletest-build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest" -DBUILD_GMOCK=ON -Dgtest_disable_pthreads=OFF >/dev/null
  cmake --build "$cache/googletest-build" -j "$jobs"
  cmake --install "$cache/googletest-build" >/dev/null
  touch "$gtest/.complete"
  rm -rf "$cache/googletest-build"
fi

echo "== the picture and icon drawers, built for this machine"
host=build/windows-host
cmake -G Ninja -S . -B "$host" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DKESTIVE_WITH_BENCH=OFF >/dev/null
cmake --build "$host" -j "$jobs" --target kestive-casepics kestive-icon kestive-report

echo "== Kestive for Windows"
out=build/windows
host_cmake_dir=$(dirname "$(dirname "$(find /usr/lib -path '*/cmake/Qt6/Qt6Config.cmake' | head -n 1)")")
testing=OFF
if [ "$mode" = test ]; then testing=ON; fi
# -O2: at -O3 GCC 12 warns wrongly about overlapping copies inside std::string (-Wrestrict).
cmake -G Ninja -S . -B "$out" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DKESTIVE_WINDOWS_PREFIXES="$qt;$gtest" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
  -DKESTIVE_HOST_TOOLS="$root/$host" -DKESTIVE_WERROR=ON -DKESTIVE_WITH_BENCH=OFF -DBUILD_TESTING=$testing \
  -DKESTIVE_LINUX_REPORT="$root/$host/tools/kestive-report/kestive-report" >/dev/null
cmake --build "$out" -j "$jobs"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/CMakeCache.txt")

echo "== the program folder: Kestive, the DLLs and plugins it loads, stripped"
stage=$out/stage/kestive-$version
rm -rf "$out/stage"
cmake --install "$out" --prefix "$stage" >/dev/null
mkdir -p "$stage/platforms" "$stage/styles" "$stage/imageformats"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/"*.dll "$stage/styles/"
cp "$qt/plugins/imageformats/qgif.dll" "$stage/imageformats/"
mingw_dirs=("$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")" /usr/x86_64-w64-mingw32/lib "$qt/bin")
# Copies every DLL the program's files load that is not part of Windows, and what those load in turn.
deploy() {
  local file=$1 dll dir
  for dll in $(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
    [ -f "$stage/$dll" ] && continue
    for dir in "${mingw_dirs[@]}"; do
      if [ -f "$dir/$dll" ]; then
        cp "$dir/$dll" "$stage/"
        deploy "$stage/$dll"
        break
      fi
    done
  done
}
while IFS= read -r -d '' file; do deploy "$file"; done < <(find "$stage" -name '*.exe' -print0 -o -name '*.dll' -print0)
find "$stage" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded

echo "== the portable zip and the installer"
zip_file=$out/kestive-$version-windows.zip
setup=$out/kestive-$version-setup.exe
rm -f "$zip_file" "$setup"
(cd "$out/stage" && zip -q -r -X "$root/$zip_file" "kestive-$version")
size_kb=$(du -sk "$stage" | cut -f1)
makensis -V2 -DSTAGE="$root/$stage" -DICON="$root/$out/icons/kestive-windows.ico" -DSIZE_KB="$size_kb" \
  -DOUTFILE="$root/$setup" "$out/kestive.nsi"
ls -l "$setup" "$zip_file"

if [ "$mode" = test ]; then
  echo "== the Windows tests under Wine"
  "$out/wine-run" wineboot --init  # makes the build's Wine folder, once (about 10 s)
  # The first window in a new Wine folder waits for Wine's font cache (20 s and more): once here, not
  # inside a test's time limit.
  warm=$(mktemp -d)
  (cd "$warm" && xvfb-run -a bash -c '"$1" "$2" & timeout 120 xdotool search --sync --onlyvisible --name "^Kestive\$" >/dev/null
    WINEPREFIX="$3" /usr/lib/wine/wineserver -k' _ "$root/$out/wine-run" "$root/$stage/kestive.exe" "$root/$out/wine") || true
  rm -rf "$warm"
  ctest --test-dir "$out" --output-on-failure
fi
echo "scripts/windows.sh $mode took $(($(date +%s) - started)) s"
