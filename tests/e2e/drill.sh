#!/usr/bin/env bash
# Drives the real trainer on an X display (run it under xvfb-run): three drills with the mouse
# (START, a one-second pause, STOP, Accept), one with the space key, then Exit.
#   drill.sh <kestive binary> <folder with the 57 case pictures; made up when it has none>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

xdotool mousemove $wait_time click 1 key ctrl+a type 0
for round in 1 2 3; do
  # --delay 0: xdotool otherwise pauses 100 ms after each click.
  xdotool mousemove $start click --delay 0 1 sleep 1 click --delay 0 1
  xdotool mousemove $accept click --delay 0 1
  sleep 0.3
done
# The keyboard: focus is back on START after Accept.
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool key space sleep 0.5 key space sleep 0.2 key space
sleep 0.3
exit_program

kept=$(grep -c '^kept' trace.txt || true)
[ "$kept" -eq 4 ] || fail "expected 4 kept times, found $kept"
grep '^stopped' trace.txt | head -3 | while read -r _ _ ms; do
  [ "$ms" -ge 990 ] && [ "$ms" -le 1100 ] || fail "a one-second drill measured $ms ms"
done
echo "drills measured (ms): $(grep '^stopped' trace.txt | awk '{print $3}' | tr '\n' ' ')"
echo PASS
