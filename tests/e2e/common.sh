# Sourced by the end-to-end scripts, which run under xvfb-run:
#   <script> <kestive binary> <folder with the 57 case pictures; made up when it has none>
# Starts the trainer in a fresh folder with the pictures and waits for its first paint. Leaves:
# $work (the current folder), $pid, $wid and the window's X Y WIDTH HEIGHT, $top (the client area's
# top), fail, at, exit_program, and the places of START, Accept, Exit and the WaitTime box.
set -euo pipefail
bin=$1
pictures=$2
work=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid"; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$work/trace.txt" ] && cat "$work/trace.txt"; ls -la "$work"; exit 1; }

if compgen -G "$pictures/oll*print.gif" >/dev/null && [ "$(ls "$pictures"/oll*print.gif | wc -l)" -eq 57 ]; then
  cp "$pictures"/oll*print.gif "$work"/
else
  echo "no case pictures in $pictures: using one-pixel stand-ins"
  for i in $(seq 1 57); do
    printf 'GIF89a\x01\x00\x01\x00\x80\x00\x00\xc0\x40\x40\x00\x00\x00\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b' \
      >"$work/oll$(printf %02d "$i")print.gif"
  done
fi

cd "$work"
# Starts the trainer in $work and waits for its first paint (again after an earlier run ended).
start_program() {
  rm -f trace.txt
  KESTIVE_TRACE="$work/trace.txt" "$bin" &
  pid=$!
  wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Kestive$' | head -1) || fail "no window"
  # Wait for the first paint, then let the window settle.
  for _ in $(seq 100); do grep -q '^shown' trace.txt 2>/dev/null && break; sleep 0.1; done
  sleep 0.5
}
start_program
eval "$(xdotool getwindowgeometry --shell "$wid")"
top=$((Y + HEIGHT - 819))  # the client area is the lowest 819 pixels, below the menu bar
at() { echo "$((X + $1 / 15 + $3 / 30)) $((top + $2 / 15 + $4 / 30))"; }  # centre of a twip rect
start=$(at 120 4920 1815 495); accept=$(at 2040 4920 1815 495); exitb=$(at 3960 5640 1815 495)
wait_time=$(at 1560 5520 375 285)

# Clicks Exit and waits until the program has ended, successfully.
exit_program() {
  xdotool mousemove $exitb click 1
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "Exit did not end the program"
  wait "$pid" || fail "the program ended with status $?"
  pid=
}
