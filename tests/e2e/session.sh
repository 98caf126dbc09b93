#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real trainer's session files and keys (under xvfb-run). Keys: F10 opens the File menu; Escape
# closes the Load, About and report windows (each with the program's icon); Ctrl+O loads, where the
# first Down in a Load window never shown before selects the first row; Ctrl+S saves; Ctrl+Q quits.
# Mouse: a drill saved, Save left with Escape (Cancel), a second drill, the saved file loaded (within
# 10 s: a load writes files) and saved again: the second file holds exactly the times of the first.
#   session.sh <kestive binary> <folder with the 57 case pictures>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

printf 'recorded on today\r\n' >a.pll  # listed first; no times
printf 'recorded on today\r\n99:612,\r\n' >b.pll  # listed second: loading it fails and keeps the window open
focus() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; sleep 0.3; }
# The window named exactly $1 opens with the icon, and Escape hides it within 5 s.
escape_closes() {
  local id
  id=$(window_named "$1") || fail "the window $1 did not open"
  [[ $(xprop -id "$id" _NET_WM_ICON) == *"Icon ("* ]] || fail "the window $1 has no icon"
  focus "$id"
  xdotool key Escape
  poll 5 not shown "$1" || fail "Escape did not close the window $1"
}
focus "$wid"
xdotool key F10
menu=$(untitled) || fail "F10 opened no menu"
xdotool key Down Return  # its first item, Load Session
untitled_gone "$menu" || fail "the File menu stayed open"
escape_closes 'Load\.\.\.'
xdotool mousemove $about_menu click 1
escape_closes About
xdotool mousemove $report click 1  # Create report; the focus lands in its text box
escape_closes Report

focus "$wid"
xdotool key ctrl+o
load=$(window_named 'Load\.\.\.') || fail "Ctrl+O did not open the Load window"
focus "$load"
xdotool key Down Tab space  # the first row, then "load"
poll 5 not shown 'Load\.\.\.' || fail "the first Down in the Load list did not select a.pll (the window stayed)"
[ -z "$(untitled_ids)" ] || fail "loading after the first Down showed a message: it picked b.pll"
focus "$wid"
save_as bykeys ctrl+s
rm a.pll b.pll bykeys.pll

no_countdown
drill
save_as first
file_item 2
answer cancelled Escape
untitled_gone || fail "a box stayed open after Escape (Cancel)"
[ -e cancelled.pll ] && fail "Cancel wrote cancelled.pll"
drill
file_item 1  # Load Session of the saved file, the only one
load=$(window_named 'Load\.\.\.') || fail "no load dialog"
eval "$(xdotool getwindowgeometry --shell "$load" | sed 's/^/D/')"
xdotool mousemove $((DX + 40)) $((DY + 16)) click 1
sleep 0.2
press "$((DX + 98)) $((DY + 180))"
poll 10 not shown 'Load\.\.\.' || fail "the load dialog stayed open"
save_as second
# The second drill is gone (what a save writes is tests/ui's; recovery.sh reads a drill's save back).
diff <(tail -n +2 first.pll) <(tail -n +2 second.pll) || fail "the load did not restore the saved times"

focus "$wid"
xdotool key ctrl+q
ended || fail "Ctrl+Q did not end the program"
echo PASS
