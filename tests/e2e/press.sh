#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The clock stops when START/STOP goes down, however long it is then held (mouse 0 to 500 ms, Space
# also 800 ms, past its auto-repeat). xtest_down.py brackets each press by the wall clock, the clock of
# the trace's reveal; the stored time must lie within 2 ms of the bracket (KESTIVE_PRESS_LATE_MS allows
# more lateness: Wine's input path is slower than Windows'), and a hold must not stop twice nor Accept.
#   press.sh <kestive binary> <folder with the 57 case pictures>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
late=${KESTIVE_PRESS_LATE_MS:-2}
no_countdown
echo "device hold_ms stored_ms press_from_reveal_ms bracket_ms stored_minus_press_ms"
round() {  # device hold
  local device=$1 hold=$2 revealed stopped kept t0 t1 reveal_us line
  revealed=$(count revealed) stopped=$(count stopped) kept=$(count kept)
  if [ "$device" = mouse ]; then xdotool mousemove $start click --delay 0 1; else xdotool key space; fi
  await revealed "$revealed"
  sleep 0.4  # looking at the case
  read -r t0 t1 < <(python3 "$here/xtest_down.py" "$device") || fail "could not press"
  sleep "$(awk "BEGIN{print $hold/1000}")"
  if [ "$device" = mouse ]; then xdotool mouseup 1; else xdotool keyup space; fi
  await stopped "$stopped"
  sleep 0.1
  [ "$(count kept)" -eq "$kept" ] || fail "$device held $hold ms: the hold kept the time by itself"
  [ "$(count stopped)" -eq $((stopped + 1)) ] || fail "$device held $hold ms: stopped more than once"
  read -r _ _ _ reveal_us < <(grep '^revealed' trace.txt | tail -1)
  line=$(grep '^stopped' trace.txt | tail -1)
  awk -v d="$device" -v h="$hold" -v s="${line##* }" -v r="$reveal_us" -v a="$t0" -v b="$t1" -v late="$late" 'BEGIN {
    lo = (a - r) / 1000; hi = (b - r) / 1000
    printf "%s %d %d %.3f %.3f %+.3f\n", d, h, s, lo, hi - lo, s - lo
    exit !(s >= lo - 2 && s <= hi + late)
  }' || fail "$device held $hold ms: stored time outside the press bracket -2/+$late ms"
  xdotool mousemove $accept click --delay 0 1  # Accept; the focus goes back to START
  await kept "$kept"
}
for hold in 0 50 150 300 500; do round mouse $hold; done
xdotool windowfocus --sync "$wid" 2>/dev/null || true
for hold in 0 50 150 300 500 800; do round key $hold; done
exit_program
echo PASS
