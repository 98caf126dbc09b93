# SPDX-License-Identifier: GPL-3.0-or-later
# The trainer on a headless Weston: the program shows its window natively on Wayland. (No client may
# press another's buttons there; the drill is tests/ui's and tests/app's, and e2e's with real presses.)
#   wayland.sh <kestive binary>
set -euo pipefail
fail() { echo "FAIL: $*"; tail -5 "$work/weston.log" 2>/dev/null; exit 1; }
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/harness.sh"
bin=$1
new_workdir
weston_pid=
on_exit() { [ -z "$weston_pid" ] || kill "$weston_pid" 2>/dev/null || true; }

runtime=$work/run  # the compositor's socket, private to this test
mkdir -m 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=kestive-test QT_QPA_PLATFORM=wayland
unset DISPLAY  # no X server to fall back to
weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" --idle-time=0 --debug \
  --width=1600 --height=1000 >"$work/weston.log" 2>&1 &
weston_pid=$!
poll 10 test -S "$runtime/$WAYLAND_DISPLAY" || fail "weston did not start"

# The program itself: its first paint happens only once the compositor has configured its window.
(cd "$work" && KESTIVE_TRACE="$work/trace.txt" exec "$bin" >"$work/kestive.log" 2>&1) &
pid=$!
await_shown "$work/trace.txt" || fail "no window painted on Wayland: $(grep -v ALSA "$work/kestive.log" | head -5)"
running || fail "the trainer ended after its first paint"
