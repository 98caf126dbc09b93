#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the real trainer on an X display (run it under xvfb-run) through every way of leaving kept
# times unsaved, all in one working folder:
#   1. a drill kept, then kill -9; the restart puts the time into an unsaved-....pll session file and
#      says so in blue in the feedback line (screenshot in $KESTIVE_SHOTS, if set);
#   2. a drill kept, then Load Session: the time goes into its own file before the load replaces it;
#   3. a drill kept and saved, then Exit: nothing is left behind, and the restart says nothing.
# (Exit with unsaved times, then a start, is tests/app's KeptOnDisk.)
#   recovery.sh <kestive binary> <folder with the 57 case pictures; made up when it has none>
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"
source "$here/menus.sh"
# The case and time of the n-th kept drill of this run, as "case:ms,".
kept_line() { sed -n "/^kept/{s/^kept \([0-9]*\) \(-\?[0-9]*\)$/\1:\2,/;p}" trace.txt | sed -n "${1}p"; }
unsaved_files() { ls unsaved-*.pll 2>/dev/null | LC_ALL=C sort || true; }
# The times a session file holds, one "case ms" a line, sorted: they compare as a multiset, whatever
# their order on a case's line.
times_in() { tr -d '\r' <"$1" | awk -F'[:,]' 'NR > 1 { for (i = 2; i < NF; i++) print $1, $i }' | sort; }
# The "case:ms," lines given, as times_in prints them.
times_of() { printf '%s\n' "$@" | tr ':' ' ' | tr -d ',' | sort; }
# A new session file beside those listed in $1, holding exactly the times given after it; its name goes
# to $new_file (not to stdout: a failure must not be swallowed by a command substitution).
expect_new_file() {
  local before=$1 file
  shift
  file=$(comm -13 <(echo "$before") <(unsaved_files))
  [ "$(echo "$file" | grep -c .)" -eq 1 ] || fail "expected one new unsaved file, found: $file"
  [ "$(times_in "$file")" = "$(times_of "$@")" ] || fail "$file holds $(grep , "$file"), not $*"
  new_file=$file
}

no_countdown

# 1. kill -9 right after Accept, once the journal holds the time: the trace says "kept" just before the
# journal is written, and the first kept time creates the journal.
drill
first=$(kept_line 1)
[ -n "$first" ] || fail "no kept time"
for _ in $(seq 100); do compgen -G '.kestive-unsaved-*.journal' >/dev/null && break; sleep 0.1; done
compgen -G '.kestive-unsaved-*.journal' >/dev/null || fail "no journal after Accept"
crash
[ -z "$(unsaved_files)" ] || fail "a session file appeared before the restart"
start_program
no_countdown
expect_new_file "" "$first"
killed=$new_file
blue=$(feedback_pixels after-kill '#0000FF')
[ "$blue" -gt 20 ] || fail "no blue text in the feedback line ($blue pixels)"
echo "after kill -9: $killed holds $first; $blue blue pixels in the feedback line"

# 2. Load Session over an unsaved time: the first file is loaded, the new time goes into a file.
drill
second=$(kept_line 1)
before=$(unsaved_files)
loaded=$(echo "$before" | head -1)
load_first
expect_new_file "$before" "$second"
overload=$new_file
[ "$(feedback_pixels after-load '#0000FF')" -gt 20 ] || fail "no blue text in the feedback line after the load"
echo "load of $loaded over unsaved times: $overload holds $second"

# 3. A kept time saved, then Exit: no file and no journal are left, and the restart is quiet.
drill
save_as mine
exit_program
ls -A | grep -q '^\.kestive-unsaved' && fail "a journal was left behind after saving: $(ls -A)"
start_program
[ "$(feedback_pixels after-save '#0000FF')" -eq 0 ] || fail "the feedback line speaks after a saved run"
exit_program
echo PASS
