#!/usr/bin/env bash
# The keyboard, with xdotool keys: F10 opens the File menu, Ctrl+O Load Session, Ctrl+S Save Session,
# Ctrl+Q quits; Escape closes the Load, About and report windows; in the Load list the first Down
# selects the first row.
#   keys.sh <kestive binary> <folder with the 57 case pictures>
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"
source "$here/menus.sh"
printf 'recorded on today\r\n0:612,\r\n' >a.pll
printf 'recorded on today\r\n99:612,\r\n' >b.pll  # listed second: loading it fails and keeps the window open

shown() { [ -n "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ]; }
# Waits up to 5 s for the window named exactly $1 to be hidden.
hidden() {
  for _ in $(seq 50); do shown "$1" || return 0; sleep 0.1; done
  return 1
}
focus() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; sleep 0.3; }

focus "$wid"
xdotool key F10
menu=$(untitled) || fail "F10 opened no menu"
xdotool key Down Return  # its first item, Load Session
untitled_gone "$menu" || fail "the File menu stayed open"
load=$(window_named '^Load\.\.\.$') || fail "F10, Down, Return did not open Load Session"
focus "$load"
xdotool key Escape
hidden 'Load\.\.\.' || fail "Escape did not close the Load window"

focus "$wid"
xdotool key ctrl+o
load=$(window_named '^Load\.\.\.$') || fail "Ctrl+O did not open the Load window"
focus "$load"
xdotool key Down Tab space  # the first row, then "load"
hidden 'Load\.\.\.' || fail "the first Down in the Load list did not select a.pll (the window stayed)"
[ -z "$(untitled_ids)" ] || fail "loading after the first Down showed a message: it picked b.pll"

xdotool mousemove "$((X + 53))" "$(((Y + top) / 2))" click 1  # About, beside File
about=$(window_named '^About$') || fail "About did not open"
focus "$about"
xdotool key Escape
hidden About || fail "Escape did not close About"

xdotool mousemove $(at 120 8040 1935 615) click 1  # Create report; the focus lands in its text box
report=$(window_named '^Report$') || fail "the report window did not open"
focus "$report"
xdotool key Escape
hidden Report || fail "Escape did not close the report window"

focus "$wid"
xdotool key ctrl+s
untitled >/dev/null || fail "Ctrl+S asked for no name"
sleep 0.3
xdotool type --delay 20 bykeys
xdotool key Return
for _ in $(seq 50); do [ -f bykeys.pll ] && break; sleep 0.1; done
[ -f bykeys.pll ] || fail "Ctrl+S wrote no bykeys.pll"
sleep 0.3
xdotool key Return  # the message's OK
untitled_gone || fail "the message stayed open"

focus "$wid"
xdotool key ctrl+q
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Ctrl+Q did not end the program"
wait "$pid" || fail "the program ended with status $? after Ctrl+Q"
pid=
echo PASS
