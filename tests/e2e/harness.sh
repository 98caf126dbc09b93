# SPDX-License-Identifier: GPL-3.0-or-later
# The pieces every script that runs the real trainer needs (tests/e2e, tests/wayland, tests/windows, the
# package check). Sourcing it only defines functions; a script may define its own fail() before it.
# new_workdir makes $work, gone at exit with the trainer ($pid) stopped and on_exit run. The waits
# (poll S, await, window_named, untitled...) try every 0.1 s and give up after 10 s (await_shown 15).
# find_places WID sets X Y WIDTH HEIGHT of the window, $top (its client area's top) and the centres
# "x y" of its controls; at L T W H is the centre of a rectangle of the design, in twips, on the screen.
# count WORD: the lines of trace.txt that start with WORD; await WORD N: until more than N of them.
# Menus and boxes carry no title of their own: untitled finds them; file_item N picks the File menu's
# N-th item by the keyboard; save_as NAME [KEYS] saves (from the menu or by KEYS) and OKs the message.

declare -F fail >/dev/null || fail() {
  echo "FAIL: $*"
  [ -f "${work:-}/trace.txt" ] && cat "$work/trace.txt"
  [ -n "${work:-}" ] && ls -la "$work"
  exit 1
}

new_workdir() {
  work=$(mktemp -d)
  pid=
  trap 'if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid"; fi
        if declare -F on_exit >/dev/null; then on_exit; fi
        rm -rf "$work"' EXIT
}

poll() {
  local tries=$(($1 * 10))
  shift
  for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
  return 1
}
not() { ! "$@"; }
await_shown() { poll 15 grep -qs '^shown' "$1"; }

kestive_window() { timeout "${1:-20}" xdotool search --sync --onlyvisible --name '^Kestive$' | head -1; }

# The window is drawn at WIDTH / 1432 of its design (smaller only on a small screen); the client area
# is at the bottom, below the menu bar.
find_places() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  top=$((Y + HEIGHT - $(scaled 12285)))
  start=$(at 120 4920 1815 495)
  accept=$(at 2040 4920 1815 495)
  exitb=$(at 3960 5640 1815 495)
  report=$(at 120 8040 1935 615)
  wait_time=$(at 1560 5520 375 285)
  file_menu="$((X + 20)) $(((Y + top) / 2))" about_menu="$((X + 53)) $(((Y + top) / 2))"
}
scaled() { echo $(((($1) * WIDTH + 21480 / 2) / 21480)); }
at() { echo "$((X + $(scaled "$1 + $3 / 2"))) $((top + $(scaled "$2 + $4 / 2")))"; }

press() { xdotool mousemove $1 mousedown 1 sleep 0.05 mouseup 1; }

exit_program() { xdotool mousemove $exitb click 1 && ended || fail "Exit did not end the program"; }
running() { kill -0 "$pid" 2>/dev/null; }
ended() {
  poll 10 not running || return 1
  wait "$pid" || fail "the program ended with status $?"
  pid=
}

count() { grep -c "^$1" trace.txt 2>/dev/null || true; }
more() { [ "$(count "$1")" -gt "$2" ]; }
await() { poll 10 more "$1" "$2" || fail "no new '$1' line in the trace"; }
# With WaitTime 0: START, a look at the case, STOP, Accept; each press awaited.
drill() {
  local revealed=$(count revealed) stopped=$(count stopped) kept=$(count kept)
  press "$start"
  await revealed "$revealed"
  sleep 0.4
  press "$start"
  await stopped "$stopped"
  press "$accept"
  await kept "$kept"
}

# colour_pixels SHOT COLOUR [CROP]: the pixels of SHOT (cut to the geometry CROP) that show COLOUR.
colour_pixels() {
  convert "$1" -crop "${3:-+0+0}" +repage -alpha off -fuzz 8% -fill black +opaque "$2" -fill white \
    -opaque "$2" -colorspace Gray -format '%[fx:round(mean*w*h)]' info:
}

shown() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
window_named() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -1; }
# Menus, the input box and the message box show the program's name, "kestive". xdotool's name search
# ignores case and misses some of them: list every shown window and compare names exactly.
untitled_ids() {
  for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" != kestive ] || echo "$w"
  done
}
untitled_shown() { untitled_ids | grep -qx "$1"; }
untitled() { poll 10 untitled_shown '.*' && untitled_ids | head -1; }
untitled_gone() { poll 10 not untitled_shown "${1:-.*}"; }
file_item() {
  xdotool mousemove $file_menu click 1
  local menu
  menu=$(untitled) || fail "the File menu did not open"
  sleep 0.2
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
  untitled_gone "$menu" || fail "the File menu stayed open"
}
answer() {
  untitled >/dev/null || fail "no input box"
  sleep 0.3
  xdotool type --delay 20 "$1"
  xdotool key "$2"
}
save_as() {
  if [ -n "${2:-}" ]; then xdotool key "$2"; else file_item 2; fi
  answer "$1" Return
  poll 10 test -f "$1.pll" || fail "Save Session wrote no $1.pll"
  sleep 0.3
  untitled >/dev/null || fail "no message after saving"
  xdotool key Return  # the message's OK
  untitled_gone || fail "the message stayed open"
}
