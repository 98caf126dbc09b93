#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing and runs every test: the formatting, the core, the case pictures, the windows
# (offscreen), the real program under Xvfb, the core and the windows again under AddressSanitizer/UBSan,
# and a bounded fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test
jobs=$(nproc)

echo "== formatting of the C++ files"
bash scripts/check-format.sh

echo "== sanitizers: core and window tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

echo "== fuzzing the session reader (bounded)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
bash tests/fuzz/run.sh build/fuzz "${KESTIVE_FUZZ_SECONDS:-60}"

echo "== the release: a clean Makefiles build, lintian, cmake --install, the source tarball with its core tests; the Debian package installed, started under Xvfb, removed"
if [ "$(id -u)" -eq 0 ]; then bash tests/package/check.sh; else sudo bash tests/package/check.sh; fi

echo "== Kestive for Windows: cross-built, its tests, drills and installer under Wine"; bash scripts/windows.sh test

echo "== all tests (their summary closes the run)"
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"
