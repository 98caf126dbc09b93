#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Kept times left unsaved, in one working folder (under xvfb-run): 1. a drill kept, then kill -9: the
# restart puts the time into an unsaved-....pll file and says so in blue; 2. a drill kept and saved, then
# Exit: nothing is left behind, the restart says nothing, and the kestive-report given reads the saved
# time back (under Wine: the Linux one, from a file the Windows program wrote). Exit with unsaved times
# and a load over them are tests/app's.
#   recovery.sh <kestive binary> <folder with the 57 case pictures> <kestive-report>
report_tool=$3
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
no_countdown

# 1. kill -9 right after Accept: the trace says "kept" once the journal holds the time (the first kept
# time creates the journal).
drill
read -r _ case1 ms1 < <(grep '^kept' trace.txt) || fail "no kept time"
poll 10 compgen -G '.kestive-unsaved-*.journal' >/dev/null || fail "no journal after Accept"
crash
! compgen -G 'unsaved-*.pll' >/dev/null || fail "a session file appeared before the restart"
start_program
no_countdown
files=$(ls unsaved-*.pll 2>/dev/null || true)
[ "$(echo "$files" | grep -c .)" -eq 1 ] || fail "expected one unsaved file, found: $files"
grep -q "^$case1:$ms1,"$'\r''$' "$files" && [ "$(grep -c , "$files")" -eq 1 ] ||
  fail "$files holds $(grep , "$files"), not $case1:$ms1,"
feedback_says after-kill '#0000FF' || fail "no blue text in the feedback line after the restart"

# 2. A kept time saved, then Exit: no file and no journal are left, and the restart is quiet.
drill
read -r _ case2 ms2 < <(grep '^kept' trace.txt | tail -1)
save_as mine
exit_program
ls -A | grep -q '^\.kestive-unsaved' && fail "a journal was left behind after saving: $(ls -A)"
start_program
[ "$(feedback_pixels after-save '#0000FF')" -eq 0 ] || fail "the feedback line speaks after a saved run"
exit_program
line=$("$report_tool" --json mine.pll | grep "{\"index\": $case2,")
echo "$line" | grep -q "\"count\": 1, .*\"record_ms\": $ms2}" || fail "kestive-report on mine.pll lacks the kept $ms2 ms: $line"
echo PASS
