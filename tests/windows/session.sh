#!/usr/bin/env bash
# The Windows program under Wine (run by under-wine.sh on an X display): START, STOP held down for
# 300 ms, Accept, then Save Session under a name typed into the input box. The Linux kestive-report
# must read the saved file back with that time as its case's record. (xdotool cannot type letters
# outside the keyboard's layout into Wine: names in other scripts are saved and loaded by the core
# tests under Wine.)
#   session.sh <kestive under Wine> <folder with the 57 case pictures> <the Linux kestive-report>
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../e2e" && pwd)
report_tool=$3
source "$here/common.sh"
source "$here/menus.sh"

xdotool mousemove $wait_time click 1 key ctrl+a type 0
xdotool mousemove $start click --delay 0 1
for _ in $(seq 100); do grep -q '^revealed' trace.txt && break; sleep 0.1; done
sleep 0.5
xdotool mousedown 1 sleep 0.3 mouseup 1
sleep 0.3
xdotool mousemove $accept click --delay 0 1
for _ in $(seq 100); do grep -q '^kept' trace.txt && break; sleep 0.1; done
read -r _ case_number ms < <(grep '^kept' trace.txt) || fail "no kept time"
name='windows-drill'
save_as "$name"
exit_program

line=$("$report_tool" --json "$name.pll" | grep "{\"index\": $case_number,")
echo "kestive-report on $name.pll: $line"
echo "$line" | grep -q "\"count\": 1, .*\"record_ms\": $ms}" || fail "the report of $name.pll lacks the kept $ms ms"
echo PASS
