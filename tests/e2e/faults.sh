#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Kept times on faulty disks (under xvfb-run, as root to mount the tmpfs folders; skipped otherwise), each
# part in a folder of its own: 1. 44 KiB free: a journal is made; then, the journal deleted and the disk
# full, a keep says so in red, Exit asks, and "Save now" into another folder keeps every time and leaves
# no journal; 2. a read-only folder: Exit asks, and "Quit and lose them" quits.
#   faults.sh <kestive binary> <folder with the 57 case pictures>
defer_start=1
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
mounted=()
on_exit() { cd / && for m in "${mounted[@]}"; do umount "$m" 2>/dev/null || umount -l "$m" || true; done; }
start_in() { start_program "$1" && no_countdown; }
times_in() { grep -o -- '-\?[0-9]\+,' "$1" | wc -l; }
journals_in() { ls -A "$1" | grep -c '^\.kestive-unsaved-.*\.journal$' || true; }
# Exit, and the question that must come before the program ends ($1 says why it must).
exit_asks() { xdotool mousemove $exitb click 1 && untitled >/dev/null && sleep 0.3 || fail "Exit did not ask: $1"; }

# 1. A tmpfs with 44 KiB free: less than the room a journal reserves for keeps.
mkdir tiny elsewhere
if ! mount -t tmpfs -o size=512k tmpfs tiny 2>/dev/null; then
  echo "SKIP: cannot mount a tmpfs here (not root?): the small and read-only disk parts did not run"
  exit 0
fi
mounted+=("$work/tiny")
head -c $((($(df -k --output=avail tiny | tail -1) - 44) * 1024)) /dev/zero >tiny/filler
start_in tiny
drill  # awaits the trace's "kept", written once the journal holds the time
[ "$(journals_in tiny)" -eq 1 ] || fail "no journal on a disk with 44 KiB free"
head -c 1M /dev/zero >tiny/full 2>/dev/null || true
rm tiny/.kestive-unsaved-*.journal
drill
drill
feedback_says full-disk-keep '#FF0000' || fail "a failing keep said nothing in red"
exit_asks "3 times on no disk"
save_as "$work/elsewhere/dec13" Return  # "Save now..."
ended || fail "the program did not end after saving"
[ "$(times_in elsewhere/dec13.pll)" -eq 3 ] || fail "dec13.pll holds $(times_in elsewhere/dec13.pll) of 3"
[ "$(journals_in tiny)" -eq 0 ] || fail "a journal was left: the next start would recover saved times"

# 2. A read-only folder: the user chooses to lose the times.
mkdir readonly
mount -t tmpfs -o size=64k,ro tmpfs readonly
mounted+=("$work/readonly")
start_in readonly
drill
exit_asks "a read-only folder"
xdotool key alt+q
ended || fail "Quit and lose them did not end the program"
echo PASS
