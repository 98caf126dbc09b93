#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renews docs/screenshot.png: the main window after a few drills. Starts the release build of the
# trainer under Xvfb in a temporary working folder holding the case pictures, runs a few drills with
# the keyboard (Space on START, Space to stop, Space on Accept), disables one case with a click on its
# picture, and takes a picture of the window.
#   bash scripts/screenshot.sh [OUTPUT]      default docs/screenshot.png
# Needs the test tools of scripts/setup.sh (Xvfb, xdotool, ImageMagick).
set -euo pipefail

if [ "${1:-}" = "--inside-x" ]; then
    shift
    trainer=$1
    out=$2
    log=$3
    "$trainer" >"$log" 2>&1 &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true' EXIT
    wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Kestive$' | head -n 1)
    [ -n "$wid" ] || { echo "no trainer window appeared" >&2; exit 1; }
    sleep 1
    # The menu bar sits above the designed client area (819 pixels high) inside the window.
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    menu=$((HEIGHT - 819))
    xdotool mousemove --window "$wid" 700 $((menu + 5))   # keep the pointer off the controls
    xdotool windowfocus --sync "$wid"
    # START has the keyboard focus at start-up and again after Accept.
    for pause in 0.9 1.4 0.7 1.1 0.8 1.6 1.0; do
        xdotool key space          # START: the wait time (2 s) counts down, then the case shows
        sleep 2.4
        sleep "$pause"             # the time to recognise the case
        xdotool key space          # STOP: the focus moves to Accept
        sleep 0.3
        xdotool key space          # Accept
        sleep 0.5
    done
    # A click on a case's picture disables it for the random choice: its bar box turns green.
    # Case 11 (column 5, row 1): picture at 18600, 1440 twips.
    xdotool mousemove --window "$wid" $(( (18600 + 600) / 15 )) $(( (1440 + 600) / 15 + menu )) click 1
    xdotool mousemove --window "$wid" 700 $((menu + 5))
    sleep 0.5
    import -window "$wid" "$out"
    # Exit ("Exit" at 3960, 5640 twips).
    xdotool mousemove --window "$wid" $(( (3960 + 900) / 15 )) $(( (5640 + 240) / 15 + menu )) click 1
    for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    exit 0
fi

cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
build=build/release
if [ ! -x "$build/src/ui/kestive" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$build"/cases/oll*print.gif "$tmp"/
repo=$PWD
(cd "$tmp" && LANG=C.UTF-8 LC_ALL=C.UTF-8 timeout 120 xvfb-run -a -s "-screen 0 1600x1000x24" \
    bash "$repo/scripts/screenshot.sh" --inside-x "$repo/$build/src/ui/kestive" "$tmp/shot.png" "$tmp/trainer.log")
mkdir -p "$(dirname "$out")"
convert "$tmp/shot.png" -strip "$out"
echo "wrote $out ($(identify -format '%wx%h' "$out"))"
