# SPDX-License-Identifier: GPL-3.0-or-later
# The pieces every script that runs the real trainer needs (tests/e2e, tests/wayland, the package
# check). Sourcing it only defines functions; a script may define its own fail() before it.
#   new_workdir           $work: a fresh folder, removed on exit with the trainer ($pid) stopped
#                         (and whatever a function on_exit, if the script has one, stops)
#   await_shown TRACE     waits (15 s) for the first paint that TRACE (KESTIVE_TRACE) records
#   kestive_window [S]    waits (S seconds, 20) for the main window on the X display; prints its id
#   find_places WID       sets X Y WIDTH HEIGHT of the window, $top (its client area's top) and the
#                         centres "x y" of $start, $accept, $discard, $exitb, $report, $wait_time
#                         and the menu bar's $file_menu
#   at L T W H            the centre of a rectangle of the design, in twips, on the screen
#   press "X Y"           a press as hands make it: button down, a moment, button up
#   exit_program          clicks Exit and fails unless the trainer ($pid) then ends with status 0
#   ended                 waits (10 s) for the trainer to end; fails unless with status 0
#   count WORD            the lines of trace.txt that start with WORD
#   await WORD N          waits (10 s) until more than N lines of trace.txt start with WORD
#   drill                 with WaitTime 0: START, a look at the case, STOP, Accept; each press awaited

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

await_shown() {
  for _ in $(seq 150); do grep -q '^shown' "$1" 2>/dev/null && return 0; sleep 0.1; done
  return 1
}

kestive_window() {
  timeout "${1:-20}" xdotool search --sync --onlyvisible --name '^Kestive$' | head -1
}

# The window is drawn at WIDTH / 1432 of its design (smaller only on a small screen); the client area
# is at the bottom, below the menu bar.
find_places() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  top=$((Y + HEIGHT - $(scaled 12285)))
  start=$(at 120 4920 1815 495)
  accept=$(at 2040 4920 1815 495)
  discard=$(at 3960 4920 1815 495)
  exitb=$(at 3960 5640 1815 495)
  report=$(at 120 8040 1935 615)
  wait_time=$(at 1560 5520 375 285)
  file_menu="$((X + 20)) $(((Y + top) / 2))"
}
scaled() { echo $(((($1) * WIDTH + 21480 / 2) / 21480)); }
at() { echo "$((X + $(scaled "$1 + $3 / 2"))) $((top + $(scaled "$2 + $4 / 2")))"; }

press() { xdotool mousemove $1 mousedown 1 sleep 0.05 mouseup 1; }

exit_program() {
  xdotool mousemove $exitb click 1
  ended || fail "Exit did not end the program"
}
ended() {
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && return 1
  wait "$pid" || fail "the program ended with status $?"
  pid=
}

count() { grep -c "^$1" trace.txt 2>/dev/null || true; }
await() {
  for _ in $(seq 100); do [ "$(count "$1")" -gt "$2" ] && return 0; sleep 0.1; done
  fail "no new '$1' line in the trace"
}
drill() {
  local revealed stopped kept
  revealed=$(count revealed) stopped=$(count stopped) kept=$(count kept)
  press "$start"
  await revealed "$revealed"
  sleep 0.4
  press "$start"
  await stopped "$stopped"
  press "$accept"
  await kept "$kept"
}
