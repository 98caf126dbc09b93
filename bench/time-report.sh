#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times kestive-report as a whole process on the largest session (57 cases x 32767 times, about 9 MB).
#   bench/time-report.sh BUILD_DIR     (a Release build with benchmarks, e.g. build/bench)
set -euo pipefail
build=${1:?usage: time-report.sh BUILD_DIR}
tool="$build/tools/kestive-report/kestive-report"
file=${TMPDIR:-/tmp}/kestive-bench-full.pll
[ -f "$file" ] || "$build/bench/bench_session_load" --benchmark_filter=BM_LoadSession --benchmark_repetitions=1 >/dev/null
if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 2 --runs 20 --export-json "$build/time-report.json" \
    "$tool $file" "$tool --json $file" "cat $file"
  python3 - "$build/time-report.json" 2>/dev/null <<'PY' || true
import json, statistics, sys
for r in json.load(open(sys.argv[1]))["results"]:
    print(f'median {statistics.median(r["times"]) * 1000:.1f} ms  {r["command"]}')
PY
else
  times=()
  for _ in $(seq 20); do
    start=$(date +%s%N); "$tool" "$file" >/dev/null; end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print "median " a[int((NR+1)/2)] " ms  kestive-report (" NR " runs)"}'
fi
