#!/usr/bin/env bash
# kestive-report --json must print strict JSON (no NaN or Infinity) with 57 cases: json_valid.sh TOOL FILE...
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
