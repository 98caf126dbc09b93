#!/usr/bin/env bash
# Drives the real trainer on an X display (run it under xvfb-run): three drills with the mouse
# (START, a one-second pause, STOP, Accept), one with the space key, then Exit.
#   drill.sh <kestive binary> <folder with the 57 case pictures; made up when it has none>
set -euo pipefail
bin=$1
pictures=$2
work=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid"; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$work/trace.txt" ] && cat "$work/trace.txt"; exit 1; }

if compgen -G "$pictures/oll*print.gif" >/dev/null && [ "$(ls "$pictures"/oll*print.gif | wc -l)" -eq 57 ]; then
  cp "$pictures"/oll*print.gif "$work"/
else
  echo "no case pictures in $pictures: using one-pixel stand-ins"
  for i in $(seq 1 57); do
    printf 'GIF89a\x01\x00\x01\x00\x80\x00\x00\xc0\x40\x40\x00\x00\x00\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b' \
      >"$work/oll$(printf %02d "$i")print.gif"
  done
fi

cd "$work"
KESTIVE_TRACE="$work/trace.txt" "$bin" &
pid=$!
wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Kestive$' | head -1) || fail "no window"
# Wait for the first paint, then let the window settle.
for _ in $(seq 100); do grep -q '^shown' trace.txt 2>/dev/null && break; sleep 0.1; done
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$wid")"
top=$((Y + HEIGHT - 819))  # the client area is the lowest 819 pixels, below the menu bar
at() { echo "$((X + $1 / 15 + $3 / 30)) $((top + $2 / 15 + $4 / 30))"; }  # centre of a twip rect
start=$(at 120 4920 1815 495); accept=$(at 2040 4920 1815 495); exitb=$(at 3960 5640 1815 495)
wait_time=$(at 1560 5520 375 285)

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
xdotool mousemove $exitb click 1

for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Exit did not end the program"
wait "$pid" || fail "the program ended with status $?"
pid=

kept=$(grep -c '^kept' trace.txt || true)
[ "$kept" -eq 4 ] || fail "expected 4 kept times, found $kept"
grep '^stopped' trace.txt | head -3 | while read -r _ _ ms; do
  [ "$ms" -ge 990 ] && [ "$ms" -le 1100 ] || fail "a one-second drill measured $ms ms"
done
echo "drills measured (ms): $(grep '^stopped' trace.txt | awk '{print $3}' | tr '\n' ' ')"
echo PASS
