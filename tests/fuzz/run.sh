#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the session reader for a bounded time: tests/fuzz/run.sh BUILD_DIR SECONDS
# The seed corpus is tests/fuzz/corpus; what the run learns goes to BUILD_DIR/fuzz-corpus, and a crashing
# input to BUILD_DIR/fuzz-artifacts (copy it into tests/core/regressions to keep it as a test).
set -euo pipefail
usage="usage: run.sh BUILD_DIR SECONDS"
build=${1:?$usage} seconds=${2:?$usage} here=$(cd "$(dirname "$0")" && pwd)
fuzzer="$build/tests/fuzz/fuzz_session"
[ -x "$fuzzer" ] || { echo "run.sh: $fuzzer is not built (cmake --preset fuzz && cmake --build --preset fuzz)" >&2; exit 2; }
mkdir -p "$build/fuzz-corpus" "$build/fuzz-artifacts"
"$fuzzer" "$build/fuzz-corpus" "$here/corpus" "$here/../core/regressions" \
  -dict="$here/session.dict" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$build/fuzz-artifacts/" -print_final_stats=1
