#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How often the trainer wakes up and how much processor time it takes while idle, counting down,
# timing, after STOP, with the focus in a text box and with the report window open, next to a bare Qt
# window without a timer that gets the same clicks and keys. The last two states are measured once the
# text cursor has stopped blinking, a little over 10 s after the click that put it there.
# Starts its own virtual display; both programs run one after the other on it.
#   bench/wakeups.sh BUILD_DIR [SECONDS per state, default 10]
# Wake-ups: voluntary + involuntary context switches summed over every thread (/proc/PID/task/*/status);
# processor time: utime + stime (/proc/PID/stat), both as differences over the measured seconds.
set -euo pipefail
build=$(realpath "${1:?usage: wakeups.sh BUILD_DIR [SECONDS]}")
seconds=${2:-10}
if [ -z "${KESTIVE_WAKEUPS_DISPLAY:-}" ]; then
  exec env KESTIVE_WAKEUPS_DISPLAY=1 xvfb-run -a -s "-screen 0 1600x1000x24" bash "$0" "$build" "$seconds"
fi

hz=$(getconf CLK_TCK)
work=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
cp "$build"/cases/oll*print.gif "$work"/ 2>/dev/null || true
cd "$work"

# Context switches of all threads, then processor ticks.
counters() {
  cat /proc/"$pid"/task/*/status 2>/dev/null |
    awk '/^(voluntary|nonvoluntary)_ctxt_switches/ { n += $2 } END { printf "%d ", n }'
  awk '{ print $14 + $15 }' /proc/"$pid"/stat
}
# Prints "<wake-ups per second> <percent of one core>" over the next $seconds seconds.
measure() {
  local before after
  before=$(counters)
  sleep "$seconds"
  after=$(counters)
  awk -v b="$before" -v a="$after" -v s="$seconds" -v hz="$hz" 'BEGIN {
    split(b, x, " "); split(a, y, " ")
    printf "%.1f %.2f\n", (y[1] - x[1]) / s, (y[2] - x[2]) * 100 / hz / s }'
}
# Presses and releases the left button on the centre of a rectangle of the main window given in twips.
press() {
  xdotool mousemove $((X + $1 / 15 + $3 / 30)) $((top + $2 / 15 + $4 / 30)) mousedown 1 sleep 0.08 mouseup 1
}
set_wait_time() {
  press 1560 5520 375 285
  xdotool windowfocus --sync "$wid" 2>/dev/null || true
  xdotool key ctrl+a type "$1"
}
start_stop() { press 120 4920 1815 495; }
discard() { press 3960 4920 1815 495; }
focus_wait_time() { press 1560 5520 375 285; }
create_report() { press 120 8040 1935 615; }
cursor_rest=11.5  # seconds until a text cursor rests, with a margin

# Runs one program through the six states; leaves "<state> <wake-ups/s> <cpu %>" lines in $1.out.
run() {
  local name=$1 title=$2 bin=$3
  "$bin" >"$name.log" 2>&1 &
  pid=$!
  wid=$(timeout 20 xdotool search --sync --onlyvisible --name "^$title\$" | head -1)
  sleep 2  # start-up, first paints, picture loading
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  top=$((Y + HEIGHT - 819))  # the client area is the lowest 819 pixels, under the menu bar
  {
    echo "idle $(measure)"
    set_wait_time 999 && sleep 0.3 && start_stop && sleep 0.5
    echo "countdown $(measure)"
    discard && sleep 0.3 && set_wait_time 0 && sleep 0.3 && start_stop && sleep 0.5
    echo "timing $(measure)"
    start_stop && sleep 0.5
    echo "after-STOP $(measure)"
    focus_wait_time && sleep "$cursor_rest"
    echo "box-focused $(measure)"
    create_report && sleep "$cursor_rest"
    echo "report-open $(measure)"
  } >"$name.out"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
}

run trainer Kestive "$build/src/ui/kestive"
run bare Bare "$build/bench/bare_window"

echo "$(grep -h 'refresh rate' bare.log || true); $seconds s per state; wake-ups per second and % of one core"
printf '%-11s %16s %12s %8s   %14s %10s %8s\n' state "trainer wake/s" "bare wake/s" ratio "trainer cpu %" "bare cpu %" ratio
paste -d" " trainer.out bare.out | cut -d" " -f1-3,5- | awk '
  function ratio(a, b) { return b > 0 ? sprintf("%.1f x", a / b) : "-" }
  { printf "%-11s %16.1f %12.1f %8s   %14.2f %10.2f %8s\n", $1, $2, $4, ratio($2, $4), $3, $5, ratio($3, $5) }'
