#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program under Wine (run by under-wine.sh on an X display): a drill kept, then Save Session
# under a name typed into the input box. The Linux kestive-report must read the saved file back with
# that time as its case's record. Then a second drill is kept and the program killed (kill -9): the
# restart must bring that time back in an unsaved-....pll file. (xdotool cannot type letters outside
# the keyboard's layout into Wine: names in other scripts are saved and loaded by the core tests under
# Wine; press.sh, run under Wine too, holds the presses.)
#   session.sh <kestive under Wine> <folder with the 57 case pictures> <the Linux kestive-report>
report_tool=$3
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/common.sh"
kept_time() { read -r _ case_number ms < <(grep '^kept' trace.txt | tail -1) || fail "no kept time"; }

no_countdown
drill
kept_time
saved_case=$case_number saved_ms=$ms
name='windows-drill'
save_as "$name"
drill
kept_time
crash
start_program
recovered=$(ls unsaved-*.pll 2>/dev/null) || fail "the restart made no unsaved-....pll file"
grep -q "^$case_number:$ms,"$'\r''$' "$recovered" || fail "$recovered lacks $case_number:$ms, of the killed run"
echo "after kill -9: $recovered holds $case_number:$ms,"
exit_program

line=$("$report_tool" --json "$name.pll" | grep "{\"index\": $saved_case,")
echo "kestive-report on $name.pll: $line"
echo "$line" | grep -q "\"count\": 1, .*\"record_ms\": $saved_ms}" || fail "the report of $name.pll lacks the kept $saved_ms ms"
echo PASS
