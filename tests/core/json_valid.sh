#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# kestive-report --json and --progress --json must print strict JSON (no NaN or Infinity) with 57 cases:
# json_valid.sh TOOL FILE...
set -euo pipefail
tool=$1
shift
for file in "$@"; do
  "$tool" --json "$file" | python3 -c '
import json, sys
def refuse(word): sys.exit("not JSON: " + word)
report = json.load(sys.stdin, parse_constant=refuse)
assert len(report["cases"]) == 57, "expected 57 cases"'
done
# The progress over all the files together: one entry per session, 57 cases with one mean per session.
"$tool" --progress --json "$@" | python3 -c '
import json, sys
def refuse(word): sys.exit("not JSON: " + word)
progress = json.load(sys.stdin, parse_constant=refuse)
sessions = int(sys.argv[1])
assert len(progress["sessions"]) == sessions, "expected one entry per file"
assert len(progress["cases"]) == 57, "expected 57 cases"
assert all(len(c["rounded_mean_ms"]) == sessions for c in progress["cases"])' "$#"
