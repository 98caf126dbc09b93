# SPDX-License-Identifier: GPL-3.0-or-later
# Started in a folder without its pictures, the trainer takes them from the ones built beside it; a
# picture in the current folder still wins. Run under xvfb-run: pictures.sh <kestive binary>
defer_start=1
set -- "$1"  # no pictures copied in
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
convert -size 60x60 'xc:#C04040' oll01print.gif  # case 1's own picture: a square of #C04040
start_program
sleep 0.5
import -window "$wid" shot.png
# Right of the buttons, where the case grid is.
yellow=$(colour_pixels shot.png '#FFD500' +400+0)
own=$(colour_pixels shot.png '#C04040' +400+0)
echo "yellow sticker pixels in the case grid: $yellow; pixels of the current folder's picture: $own"
# Each of the 56 built pictures shows at least its yellow centre sticker of 19 x 19 pixels.
[ "$yellow" -ge $((56 * 19 * 19)) ] || fail "the built pictures were not loaded"
[ "$own" -ge $((55 * 55)) ] || fail "the current folder's picture of case 1 was not the one shown"
if xdotool search --onlyvisible --name '^Kestive$' | grep -vx "$wid" >/dev/null; then
  fail "a message about missing pictures appeared"
fi
echo "pictures taken from the build, the current folder's first"
