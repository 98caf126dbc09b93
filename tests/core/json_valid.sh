#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# kestive-report --json of each file and --progress --json of them all must print strict JSON (no NaN or
# Infinity) with 57 cases, the progress with one entry and one mean per file: json_valid.sh TOOL FILE...
exec python3 - "$@" <<'PY'
import json, subprocess, sys
tool, files = sys.argv[1], sys.argv[2:]
def read(*args):
    def refuse(word): sys.exit(f"{' '.join(args)}: not JSON: {word}")
    return json.loads(subprocess.run([tool, *args], check=True, stdout=subprocess.PIPE).stdout, parse_constant=refuse)
for file in files:
    assert len(read("--json", file)["cases"]) == 57, file + ": expected 57 cases"
progress = read("--progress", "--json", *files)
assert len(progress["sessions"]) == len(files), "progress: expected one entry per file"
assert len(progress["cases"]) == 57, "progress: expected 57 cases"
assert all(len(c["rounded_mean_ms"]) == len(files) for c in progress["cases"]), "progress: one mean per file"
PY
