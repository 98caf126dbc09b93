#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the real trainer on an X display (run it under xvfb-run) through its session files: a drill
# kept with Accept, Save Session typed into the input box, Save Session left with Escape, a second
# drill, Load Session of the saved file, Save Session again, Exit. The second file, saved after the
# load, must hold exactly the times of the first.
#   session.sh <kestive binary> <folder with the 57 case pictures>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

no_countdown
drill
save_as first
# Save Session left with Escape (Cancel) writes nothing and shows nothing.
file_item 2
untitled >/dev/null || fail "no input box"
sleep 0.3
xdotool type --delay 20 cancelled
xdotool key Escape
untitled_gone || fail "a box stayed open after Escape (Cancel)"
[ -e cancelled.pll ] && fail "Cancel wrote cancelled.pll"
drill

load_first  # the saved file, the only one
save_as second

exit_program

read -r _ case1 ms1 < <(grep '^kept' trace.txt | head -1)
grep -q "^$case1:$ms1,"$'\r''$' first.pll || fail "first.pll lacks $case1:$ms1,"
[ "$(grep -c ',' first.pll)" -eq 1 ] || fail "first.pll holds more than the first drill"
# The second drill is gone.
diff <(tail -n +2 first.pll) <(tail -n +2 second.pll) || fail "the load did not restore the saved times"
echo "saved, loaded and saved again: $case1:$ms1"
echo PASS
