# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end scripts (under xvfb-run): <script> <kestive binary> [<picture folder>].
# Starts the trainer in a fresh current folder $work with the pictures, unless defer_start is set, and
# waits for its first paint; start_program [FOLDER] starts it again (in FOLDER, the trace in $work).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/harness.sh"
bin=$1
new_workdir
if [ -n "${2:-}" ]; then
  [ "$(ls "$2"/oll*print.gif | wc -l)" -eq 57 ] || fail "no 57 case pictures in $2"
  cp "$2"/oll*print.gif "$work"/
fi

cd "$work"
start_program() {
  rm -f "$work/trace.txt"
  (cd "${1:-.}" && KESTIVE_TRACE="$work/trace.txt" exec "$bin") &
  pid=$!
  wid=$(kestive_window) || fail "no window"
  await_shown trace.txt || fail "no first paint"
  sleep 0.5  # let the window settle
  find_places "$wid"
}
no_countdown() { xdotool mousemove $wait_time click 1 key ctrl+a type 0; }
crash() { kill -9 "$pid"; wait "$pid" 2>/dev/null || true; pid=; }
# feedback_pixels NAME COLOUR: a screenshot $work/NAME.png (also in $KESTIVE_SHOTS if set); its pixels
# of COLOUR ("#RRGGBB") in the feedback line. feedback_says NAME COLOUR: until they are more than a few
# (the line is painted after the trace's line is written).
feedback_pixels() {
  import -window root "$work/$1.png"
  [ -z "${KESTIVE_SHOTS:-}" ] || cp "$work/$1.png" "$KESTIVE_SHOTS/"
  colour_pixels "$work/$1.png" "$2" "$(scaled 5775)x$(scaled 615)+$(at 120 7080 0 0 | tr ' ' +)"
}
said() { [ "$(feedback_pixels "$@")" -gt 20 ]; }
feedback_says() { poll 5 said "$@"; }
[ -n "${defer_start:-}" ] || start_program
