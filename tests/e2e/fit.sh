#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# On a 1366x768 screen, smaller than the design (under xvfb-run): the window fits and shows every case
# with its picture, bar and statistics (each control scaled is tests/ui's). Started with only case 1's
# picture in its folder, it takes the others built beside it, without a message.
#   fit.sh <kestive binary> <case_places>
case_places=$2  # prints each case's place in the window's layout: "case left top" in twips
defer_start=1
set -- "$1"  # common.sh would take a second argument for a picture folder
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
convert -size 60x60 'xc:#C04040' oll01print.gif  # case 1's own picture, which wins over the built one
start_program
xdotool search --onlyvisible --name '^Kestive$' | grep -vxq "$wid" && fail "a message about missing pictures appeared"

eval "$(xdotool getdisplaygeometry --shell | sed 's/^/SCREEN_/')"
[ "$WIDTH" -lt 1432 ] || fail "the window kept its design width $WIDTH on a ${SCREEN_WIDTH}x$SCREEN_HEIGHT screen"
[ $((X + WIDTH)) -le "$SCREEN_WIDTH" ] && [ $((Y + HEIGHT)) -le "$SCREEN_HEIGHT" ] ||
  fail "window $WIDTH x $HEIGHT at $X,$Y does not fit the ${SCREEN_WIDTH}x$SCREEN_HEIGHT screen"

# Every case: the yellow centre sticker of its picture (case 1: its own colour), its bar's background
# between two grid lines, the colours of its three statistics labels at their right ends.
while read -r i l t; do
  picture='#FFD500'
  [ "$i" -ne 0 ] || picture='#C04040'
  for probe in "picture $((l + 607)) $((t + 607)) $picture" "bar $((l + 1260)) $((t + 250)) #804040" \
               "average $((l + 2300)) $((t + 607)) #C0C0FF" "count $((l + 2300)) $((t + 847)) #C0FFC0" \
               "deviation $((l + 2300)) $((t + 1087)) #FFC0C0"; do
    read -r what px py colour <<<"$probe"
    echo "$i $what $((X + $(scaled "$px"))) $((top + $(scaled "$py"))) $colour"
  done
done < <("$case_places") >"$work/probes.txt"  # a failing case_places leaves too few points on the screen
import -window root "$work/shot.png"
convert "$work/shot.png" txt:- | awk -F'[,: ]+' 'NR == FNR { want[$3 "," $4] = $0; next }
  FNR > 1 && ($1 "," $2) in want { split(want[$1 "," $2], p, " "); if (index($0, p[5]) == 0) print "case " p[1] " " p[2] " at " $1 "," $2 " shows " $0; seen++ }
  END { if (seen != 285) print "only " seen " of 285 points were on the screen" }' "$work/probes.txt" - >"$work/unseen.txt"
[ -s "$work/unseen.txt" ] && { cat "$work/unseen.txt"; cp "$work/shot.png" /tmp/kestive-fit-fail.png; fail "not every case shows whole (screenshot /tmp/kestive-fit-fail.png)"; }
exit_program
echo "window ${WIDTH}x$HEIGHT on ${SCREEN_WIDTH}x$SCREEN_HEIGHT; every case shown"
echo PASS
