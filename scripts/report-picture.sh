#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renews docs/report-picture.png: the picture `kestive-report --svg` draws for two weeks of drills.
# Writes 14 sample session files (made up, the same every run: each day a little faster) into a
# temporary folder, draws them with the built kestive-report and renders the SVG with rsvg-convert.
#   bash scripts/report-picture.sh [BUILD_DIR] [OUTPUT]    defaults build/dev, docs/report-picture.png
# Needs rsvg-convert (librsvg2-bin, in the test tools of scripts/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
out=${2:-docs/report-picture.png}
tool=$build/tools/kestive-report/kestive-report
[ -x "$tool" ] || { echo "no $tool: build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
files=()
for day in $(seq 1 14); do
    file=$work/day$(printf %02d "$day").pll
    # awk's generator with a fixed seed per day: about 120 times spread over the cases.
    awk -v day="$day" 'BEGIN {
        srand(day); printf "recorded on day %d\r\n", day
        for (c = 0; c < 57; c++) {
            line = c ":"
            n = int(rand() * 4)
            for (k = 0; k < n; k++) {
                base = 800 + (c * 37) % 1100
                line = line int(base * (1.5 - day / 28) + (rand() - 0.5) * 400) ","
            }
            printf "%s\r\n", line
        }
    }' >"$file"
    files+=("$file")
done
LC_ALL=C "$tool" --svg -o "$work/report.svg" "${files[@]}"
rsvg-convert --width 1000 "$work/report.svg" -o "$out"
echo "wrote $out"
