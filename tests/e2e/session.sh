#!/usr/bin/env bash
# Drives the real trainer on an X display (run it under xvfb-run) through its session files and
# secondary windows: a drill kept with Accept, Save Session typed into the input box, Save Session
# left with Escape, a second drill, Load Session of the saved file, Save Session again, About,
# Create report, Exit. Then checks the files on disk: the second file, saved after the load, must
# hold exactly the times of the first.
#   session.sh <kestive binary> <folder with the 57 case pictures; made up when it has none>
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"
about_menu="$((X + 60)) $(((Y + top) / 2))"
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

# About and the report window, each closed with its own button (a new window may cover the main one).
close_window() {  # $1: window id, $2 $3 $4 $5: its button's place in twips
  eval "$(xdotool getwindowgeometry --shell "$1" | sed 's/^/W/')"
  xdotool mousemove $((WX + $2 / 15 + $4 / 30)) $((WY + $3 / 15 + $5 / 30)) click 1
  sleep 0.3
}
xdotool mousemove $about_menu click 1
about=$(window_named '^About$') || fail "no About window"
close_window "$about" 1560 3480 1575 495
xdotool search --onlyvisible --name '^About$' >/dev/null && fail "Close left the About window open"
xdotool mousemove $report click 1
rep=$(window_named '^Report$') || fail "no report window"
close_window "$rep" 120 6480 8895 495
xdotool search --onlyvisible --name '^Report$' >/dev/null && fail "Close left the report window open"

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
