# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end scripts, which run under xvfb-run:
#   <script> <kestive binary> [<folder with the 57 case pictures; made up when it has none>]
# Starts the trainer in a fresh folder ($work, the current folder) with the pictures (none without the
# folder argument) and waits for its first paint, unless the script set defer_start; start_program
# [FOLDER] starts it (again; in FOLDER, the trace staying in $work). Leaves $pid, $wid and what
# harness.sh's find_places sets.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/harness.sh"
bin=$1
pictures=${2:-}
new_workdir

if [ -z "$pictures" ]; then
  :
elif compgen -G "$pictures/oll*print.gif" >/dev/null && [ "$(ls "$pictures"/oll*print.gif | wc -l)" -eq 57 ]; then
  cp "$pictures"/oll*print.gif "$work"/
else
  echo "no case pictures in $pictures: using one-pixel stand-ins"
  for i in $(seq 1 57); do
    printf 'GIF89a\x01\x00\x01\x00\x80\x00\x00\xc0\x40\x40\x00\x00\x00\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b' \
      >"$work/oll$(printf %02d "$i")print.gif"
  done
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
# A screenshot $work/NAME.png (copied to $KESTIVE_SHOTS when that is set), then the pixels of the colour
# COLOUR ("#RRGGBB") in its feedback line:  feedback_pixels NAME COLOUR
feedback_pixels() {
  import -window root "$work/$1.png"
  [ -z "${KESTIVE_SHOTS:-}" ] || cp "$work/$1.png" "$KESTIVE_SHOTS/"
  convert "$work/$1.png" -crop "$(scaled 5775)x$(scaled 615)+$(at 120 7080 0 0 | tr ' ' +)" +repage txt:- |
    grep -c "$2" || true
}
[ -n "${defer_start:-}" ] || start_program
