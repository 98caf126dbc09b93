# Sourced by the end-to-end scripts, which run under xvfb-run:
#   <script> <kestive binary> [<folder with the 57 case pictures; made up when it has none>]
# Starts the trainer in a fresh folder ($work, the current folder) with the pictures (none without the
# folder argument) and waits for its first paint, unless the script set defer_start; start_program
# starts it (again). Leaves $pid, $wid and what harness.sh's find_places sets.
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
  rm -f trace.txt
  KESTIVE_TRACE="$work/trace.txt" "$bin" &
  pid=$!
  wid=$(kestive_window) || fail "no window"
  await_shown trace.txt || fail "no first paint"
  sleep 0.5  # let the window settle
  find_places "$wid"
}
[ -n "${defer_start:-}" ] || start_program
