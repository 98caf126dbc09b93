# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced after common.sh by the end-to-end scripts that use the File menu and its boxes.

# A visible window whose name is exactly $1, waiting up to 10 s.
window_named() { timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -1; }
# Menus, the input box and the message box carry no title of their own: they show the program's
# name, "kestive". xdotool's name search ignores case and misses some of them: list every shown
# window and compare names exactly.
untitled_ids() {
  for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = kestive ] && echo "$w"
  done
  return 0
}
# The first untitled window shown, waiting up to 10 s.
untitled() {
  local ids
  for _ in $(seq 100); do
    ids=$(untitled_ids)
    [ -z "$ids" ] || { head -1 <<<"$ids"; return 0; }
    sleep 0.1
  done
  return 1
}
# Waits until the untitled window $1 (or every untitled window) is no longer shown.
untitled_gone() {
  for _ in $(seq 100); do untitled_ids | grep -qx "${1:-.*}" || return 0; sleep 0.1; done
  return 1
}
# Clicks the File menu, then its n-th item by the keyboard once the menu is open.
file_item() {
  xdotool mousemove $file_menu click 1
  local menu
  menu=$(untitled) || fail "the File menu did not open"
  sleep 0.2
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
  untitled_gone "$menu" || fail "the File menu stayed open"
}
# Save Session (from the File menu, or by the keys $2) under the name $1 typed into the input box, then
# OK on "saved sucessfuly.".
save_as() {
  if [ -n "${2:-}" ]; then xdotool key "$2"; else file_item 2; fi
  untitled >/dev/null || fail "no input box"
  sleep 0.3
  xdotool type --delay 20 "$1"
  xdotool key Return
  for _ in $(seq 100); do [ -f "$1.pll" ] && break; sleep 0.1; done
  [ -f "$1.pll" ] || fail "Save Session wrote no $1.pll"
  sleep 0.3
  untitled >/dev/null || fail "no message after saving"
  xdotool key Return  # the message's OK
  untitled_gone || fail "the message stayed open"
}

# Load Session of the first file the dialog lists: click it, then "load".
pick_first() {
  file_item 1
  local dlg
  dlg=$(window_named '^Load\.\.\.$') || fail "no load dialog"
  eval "$(xdotool getwindowgeometry --shell "$dlg" | sed 's/^/D/')"
  xdotool mousemove $((DX + 40)) $((DY + 16)) click 1
  sleep 0.2
  press "$((DX + 98)) $((DY + 180))"
}
# pick_first, and the dialog must close (within 10 s: a load writes files, which a busy disk may take
# its time over).
load_first() {
  pick_first
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Load\.\.\.$' >/dev/null || return 0
    sleep 0.1
  done
  fail "the load dialog stayed open"
}
