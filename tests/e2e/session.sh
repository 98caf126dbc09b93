#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real trainer's session files and keys (under xvfb-run). Keys: F10 opens the File menu; Escape
# closes the Load, About and report windows (each with the program's icon); Ctrl+O loads, where the
# first Down in a Load window never shown before selects the first row; Ctrl+S saves; Ctrl+Q quits.
# Save left with Escape (Cancel) writes nothing. (A load through the Load window is tests/ui's.)
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

file_item 2
answer cancelled Escape
untitled_gone || fail "a box stayed open after Escape (Cancel)"
[ -e cancelled.pll ] && fail "Cancel wrote cancelled.pll"

focus "$wid"
xdotool key ctrl+q
ended || fail "Ctrl+Q did not end the program"
echo PASS
