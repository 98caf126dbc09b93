#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the real trainer on an X display (run it under xvfb-run) through its session files: a drill
# kept with Accept, Save Session typed into the input box, Save Session left with Escape, a second
# drill, Load Session of the saved file, Save Session again, Exit. Then checks the files on disk: the second file, saved after the load, must
# hold exactly the times of the first.
#   session.sh <kestive binary> <folder with the 57 case pictures; made up when it has none>
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"
source "$here/menus.sh"

xdotool mousemove $wait_time click 1 key ctrl+a type 0
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

# The first file: a header, then 57 case lines; the first drill's time on its case's line.
[ "$(wc -l <first.pll)" -eq 58 ] || fail "first.pll has $(wc -l <first.pll) lines"
head -1 first.pll | grep -q '^recorded on .*'$'\r''$' || fail "bad header: $(head -1 first.pll)"
[ "$(grep -c $'\r$' first.pll)" -eq 58 ] || fail "not every line ends in CR LF"
read -r _ case1 ms1 < <(grep '^kept' trace.txt | head -1)
grep -q "^$case1:$ms1,"$'\r''$' first.pll || fail "first.pll lacks $case1:$ms1,"
[ "$(grep -c ',' first.pll)" -eq 1 ] || fail "first.pll holds more than the first drill"
# The second file, saved after loading the first, holds the same times: the second drill is gone.
diff <(tail -n +2 first.pll) <(tail -n +2 second.pll) || fail "the load did not restore the saved times"
echo "saved, loaded and saved again: $case1:$ms1"
echo PASS
