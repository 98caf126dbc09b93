#!/usr/bin/env bash
# Kept times on faulty disks, with the real trainer on an X display (run it under xvfb-run; the tmpfs
# parts need root, and are skipped with a message where mounting is not allowed):
#   1. the journal deleted while the trainer runs, three more keeps, kill -9: the restart recovers all
#      six into one file, and removes the temporary file that a dead writer left;
#   2. a tmpfs with 44 KiB free as working folder: a journal is made; then, the journal deleted and the
#      disk full, every keep says so in red, Exit asks, Cancel stays, and "Save now" into another folder
#      keeps every time; the restart finds nothing to recover twice;
#   3. a read-only tmpfs: "Quit and lose them" quits, and the restart says nothing;
#   4. a sparse 1 TiB session file: Load refuses it by name and the trainer goes on.
# Screenshots go to $KESTIVE_SHOTS when it is set.
#   faults.sh <kestive binary> <folder with the 57 case pictures; made up when it has none>
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"
source "$here/menus.sh"
shots=${KESTIVE_SHOTS:-}
exit_program  # each part starts the trainer in a folder of its own
trace=$work/trace.txt
feedback_rect=(120 7080 5775 615)
mounted=()
cleanup_mounts() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill -9 "$pid"; wait "$pid" 2>/dev/null || true; fi
  pid=
  cd "$work"
  for m in "${mounted[@]}"; do umount "$m" 2>/dev/null || umount -l "$m" || true; done
  cleanup
}
trap cleanup_mounts EXIT

press() { xdotool mousemove $1 mousedown 1 sleep 0.05 mouseup 1; }
count() { grep -c "^$1" "$trace" 2>/dev/null || true; }
grows() {
  for _ in $(seq 100); do
    [ "$(count "$1")" -gt "$2" ] && return 0
    sleep 0.1
  done
  fail "no new '$1' line in the trace"
}
drill() {
  local revealed stopped kept
  revealed=$(count revealed) stopped=$(count stopped) kept=$(count kept)
  press "$start"
  grows revealed "$revealed"
  sleep 0.3
  press "$start"
  grows stopped "$stopped"
  press "$accept"
  grows kept "$kept"
  sleep 0.2
}
# Starts the trainer in folder $1 (the pictures come from the build) with no countdown.
start_in() {
  cd "$1"
  rm -f "$trace"
  KESTIVE_TRACE="$trace" "$bin" &
  pid=$!
  timeout 20 xdotool search --sync --onlyvisible --name '^Kestive$' >/dev/null || fail "no window"
  for _ in $(seq 100); do grep -q '^shown' "$trace" 2>/dev/null && break; sleep 0.1; done
  sleep 0.5
  xdotool mousemove $wait_time click 1 key ctrl+a type 0
}
shot() {
  import -window root "$work/$1.png"
  if [ -n "$shots" ]; then cp "$work/$1.png" "$shots/"; fi
}
# Pixels of the colour $2 (as "#RRGGBB") in the feedback line of screenshot $1.
in_feedback() {
  local x=$((X + feedback_rect[0] / 15)) y=$((top + feedback_rect[1] / 15))
  convert "$work/$1.png" -crop "$((feedback_rect[2] / 15))x$((feedback_rect[3] / 15))+$x+$y" +repage txt:- |
    grep -c "$2" || true
}
unsaved_in() { ls "$1"/unsaved-*.pll 2>/dev/null || true; }
times_in() { grep -o -- '-\?[0-9]\+,' "$1" | wc -l; }
journals_in() { ls -A "$1" | grep -c '^\.kestive-unsaved-.*\.journal$' || true; }
# Exit, and the question that must come before the program ends ($1 says why it must).
exit_asks() {
  xdotool mousemove $exitb click 1
  untitled >/dev/null || fail "Exit did not ask: $1"
  sleep 0.3
}
ended() {
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && return 1
  wait "$pid" || fail "the program ended with status $?"
  pid=
}

# 1. The journal deleted under the running trainer.
mkdir "$work/plain"
start_in "$work/plain"
for _ in 1 2 3; do drill; done
rm "$work"/plain/.kestive-unsaved-*.journal
for _ in 1 2 3; do drill; done
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
pid=
sh -c 'exit 0' &
dead=$!
wait "$dead"
touch "$work/plain/.s.pll.tmp-$dead-0"
start_in "$work/plain"
files=$(unsaved_in "$work/plain")
[ "$(echo "$files" | grep -c .)" -eq 1 ] || fail "expected one recovered file, found: $files"
[ "$(times_in "$files")" -eq 6 ] || fail "$files holds $(times_in "$files") of 6 times"
[ -e "$work/plain/.s.pll.tmp-$dead-0" ] && fail "the dead writer's temporary file is still there"
shot journal-deleted-restart
[ "$(in_feedback journal-deleted-restart '#0000FF')" -gt 20 ] || fail "the restart did not say in blue"
echo "journal deleted, then kill -9: 6 of 6 times recovered into $(basename "$files")"

# 4. A sparse 1 TiB session file in the Load list.
truncate -s 1T "$work/plain/a-huge.pll"
file_item 1
dlg=$(window_named '^Load\.\.\.$') || fail "no load dialog"
eval "$(xdotool getwindowgeometry --shell "$dlg" | sed 's/^/D/')"
xdotool mousemove $((DX + 40)) $((DY + 16)) click 1
sleep 0.2
xdotool mousemove $((DX + 98)) $((DY + 180)) mousedown 1 sleep 0.05 mouseup 1
untitled >/dev/null || fail "no message about the huge file"
sleep 0.3
shot huge-file
xdotool key Return
sleep 0.3
kill -0 "$pid" 2>/dev/null || fail "the trainer died on a huge file"
xdotool search --onlyvisible --name '^Load\.\.\.$' >/dev/null || fail "the load dialog closed"
xdotool key Escape
exit_program
echo "a sparse 1 TiB file: refused by name, the trainer goes on"

# 2. A tmpfs with 44 KiB free.
mkdir "$work/tiny" "$work/elsewhere"
if ! mount -t tmpfs -o size=512k tmpfs "$work/tiny" 2>/dev/null; then
  echo "SKIP: cannot mount a tmpfs here (not root?): the small and read-only disk parts did not run"
  echo PASS
  exit 0
fi
mounted+=("$work/tiny")
free=$(df -k --output=avail "$work/tiny" | tail -1)
head -c $(((free - 44) * 1024)) /dev/zero >"$work/tiny/filler"
start_in "$work/tiny"
drill
[ "$(journals_in "$work/tiny")" -eq 1 ] || fail "no journal on a disk with 44 KiB free"
head -c 1M /dev/zero >"$work/tiny/full" 2>/dev/null || true
rm "$work"/tiny/.kestive-unsaved-*.journal
drill
shot full-first-keep
drill
shot full-second-keep
[ "$(in_feedback full-second-keep '#FF0000')" -gt 20 ] || fail "the second failing keep said nothing in red"
exit_asks "3 times on no disk"
shot exit-asks
xdotool key Escape
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "Cancel ended the program"
exit_asks "asked again"
xdotool key Return  # Save now...
sleep 0.5
untitled >/dev/null || fail "no Save Session prompt"
xdotool type --delay 20 "$work/elsewhere/dec13"
xdotool key Return
for _ in $(seq 50); do [ -f "$work/elsewhere/dec13.pll" ] && break; sleep 0.1; done
sleep 0.3
xdotool key Return  # "saved sucessfuly."
ended || fail "the program did not end after saving"
[ "$(times_in "$work/elsewhere/dec13.pll")" -eq 3 ] || fail "dec13.pll holds $(times_in "$work/elsewhere/dec13.pll") of 3"
rm "$work/tiny/full"
start_in "$work/tiny"
[ -z "$(unsaved_in "$work/tiny")" ] || fail "times saved before Exit were recovered again"
[ "$(journals_in "$work/tiny")" -eq 0 ] || fail "a journal was left"
shot tiny-restart
[ "$(in_feedback tiny-restart '#0000FF')" -eq 0 ] || fail "the restart talks of recovered times"
exit_program
echo "44 KiB free: journal made; journal deleted on a full disk: red at each keep, Exit asked," \
  "3 of 3 saved into another folder, 0 recovered twice"

# 3. A read-only folder: the user chooses to lose the times.
mkdir "$work/readonly"
mount -t tmpfs -o size=64k,ro tmpfs "$work/readonly"
mounted+=("$work/readonly")
start_in "$work/readonly"
drill
drill
shot readonly-keeps
[ "$(in_feedback readonly-keeps '#FF0000')" -gt 20 ] || fail "a failing keep said nothing in red"
exit_asks "a read-only folder"
shot readonly-asks
xdotool key alt+q
ended || fail "Quit and lose them did not end the program"
start_in "$work/readonly"
shot readonly-restart
[ "$(in_feedback readonly-restart '#0000FF')" -eq 0 ] || fail "the restart talks of recovered times"
exit_program
echo "read-only folder: Exit asked; 0 of 2 kept, as chosen"
echo PASS
