#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing on a Debian or Ubuntu machine and builds the trainer.
#   scripts/setup.sh run    packages to build and run, then a release build in build/release
#   scripts/setup.sh test   also the test tools (GoogleTest, Xvfb, xdotool, clang for the fuzzer, clang-format, strace)
set -euo pipefail
mode=${1:-run}
cd "$(dirname "$0")/.."

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

packages=(g++ cmake ninja-build pkg-config qt6-base-dev libgif-dev libgl-dev libcanberra-dev fonts-liberation fonts-dejavu-core)
if [ "$mode" = test ]; then
  packages+=(googletest libgtest-dev libbenchmark-dev xvfb xauth xdotool x11-utils imagemagick librsvg2-bin clang clang-format locales python3 dpkg-dev file man-db desktop-file-utils appstream weston qt6-wayland qt6ct lintian strace)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# libFuzzer comes with clang's runtime package, which is named after clang's major version.
if [ "$mode" = test ]; then
  if command -v clang >/dev/null; then
    rt="libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
    dpkg-query -W -f='${Status}' "$rt" 2>/dev/null | grep -q "install ok installed" || missing+=("$rt")
  fi
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
  if [ "$mode" = test ] && command -v clang >/dev/null; then
    rt="libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
    dpkg-query -W -f='${Status}' "$rt" 2>/dev/null | grep -q "install ok installed" \
      || "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "$rt"
  fi
fi

if [ "$mode" = run ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release
fi
