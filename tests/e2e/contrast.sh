#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every window under a light or a dark desktop palette (dark: qt6ct's "darker" scheme, from a folder of
# its own): each label, button, text box and menu at least 4.5:1, measured from screenshots by
# contrast.py (KESTIVE_SHOTS=folder keeps them).
#   contrast.sh <kestive binary> <folder with the 57 case pictures> light|dark <case_places>
palette=$3 case_places=$4  # prints each case's place in the window's layout: "case left top" in twips
config=$(mktemp -d)
export XDG_CONFIG_HOME=$config
unset QT_QPA_PLATFORMTHEME
if [ "$palette" = dark ]; then
  compgen -G "/usr/lib/*/qt6/plugins/platformthemes/libqt6ct.so" >/dev/null ||
    { echo "FAIL: no qt6ct for the dark palette (scripts/setup.sh test installs it)"; rm -rf "$config"; exit 1; }
  mkdir "$config/qt6ct"
  printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\nstyle=Fusion\n' \
    >"$config/qt6ct/qt6ct.conf"
  export QT_QPA_PLATFORMTHEME=qt6ct
fi
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
on_exit() { rm -rf "$config"; }
printf 'recorded on today\r\n0:612,\r\n' >listed.pll  # an entry for the Load list

areas=() faint=()
# area INSET NAME LEFT TOP WIDTH HEIGHT: a control's place in twips from the origin ($ox, $oy) of its
# window, less a border of INSET pixels where neighbours or frames touch it: 2 for a label, 3 for a
# small text box, 4 for a button, a list or the report's text.
area() {
  areas+=("$2=$((ox + $3 / 15 + $1)),$((oy + $4 / 15 + $1)),$(($5 / 15 - 2 * $1)),$(($6 / 15 - 2 * $1))")
}
label() { area 2 "$@"; }
framed() { area 4 "$@"; }
# measure WHAT: a screenshot of the whole screen, and the contrast of every area named since the last.
measure() {
  import -window root -depth 8 "$work/$1.ppm"
  [ -z "${KESTIVE_SHOTS:-}" ] || convert "$work/$1.ppm" "$KESTIVE_SHOTS/$palette $1.png"
  echo "== $palette palette: $1"
  python3 "$here/contrast.py" "$work/$1.ppm" "${areas[@]}" || faint+=("$1")
  areas=()
}
# origin NAME: the top-left corner of the shown window named exactly NAME, moved beside the main window.
origin() {
  local id
  id=$(window_named "$1") || fail "the window $1 did not open"
  xdotool windowmove --sync "$id" 1000 100
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$id" | sed 's/^/B/')"
  ox=$BX oy=$BY
}

# The main window: its labels (where a text box or picture overlaps one, the area stops short of it),
# the three statistics labels of every case, the buttons, the text boxes and the menu bar.
ox=$X oy=$top
label Label1 960 3000 4815 1815
label Label2 360 5520 1200 255
label Label4 360 5880 2520 255
label Label6 4320 8160 1575 1095
label Label3 120 8640 1935 615
while read -r i l t; do
  for row in avg:480 num:720 std:960; do label "${row%:*}label($i)" $((l + 1200)) $((t + ${row#*:})) 1215 255; done
done < <("$case_places")
framed START 120 4920 1815 495
framed Accept 2040 4920 1815 495
framed Discard 3960 4920 1815 495
framed Exit 3960 5640 1815 495
framed "Create report" 120 8040 1935 615
area 3 WaitTime 1560 5520 375 285
area 3 showWhen 2880 5880 375 285
areas+=("menu bar=$((X + 2)),$((Y + 2)),90,$((top - Y - 4))")
measure "main window"

# measure_box WHAT: the first untitled window (a menu or a box), all of it inside its edge; its id in $shown.
measure_box() {
  shown=$(untitled) || fail "no $1 opened"
  sleep 0.3
  eval "$(xdotool getwindowgeometry --shell "$shown" | sed 's/^/B/')"  # BX, BY, BWIDTH, BHEIGHT
  areas+=("$1=$((BX + 2)),$((BY + 2)),$((BWIDTH - 4)),$((BHEIGHT - 4))")
  measure "$1"
}

xdotool mousemove $file_menu click 1
measure_box "File menu"
xdotool key Escape
untitled_gone "$shown" || fail "the File menu stayed open"

xdotool mousemove $about_menu click 1
origin About
label Label2 960 120 2775 495
label Label1 720 600 3375 375
label Label6 2160 960 2295 255
label Label3 1680 1440 1215 255
label Label7 120 1800 4455 855
label Label4 120 2760 4335 255
label Label5 120 3000 4335 255
framed Close 1560 3480 1575 495
measure "About window"

xdotool mousemove $report click 1
origin Report
label Label1 120 6240 6615 255
framed Text1 120 120 8895 6015
framed Close 120 6480 8895 495
measure "report window"

# The Load window with one session file listed.
file_item 1
origin 'Load\.\.\.'
framed File1 120 120 2655 2175
framed load 120 2400 2655 615
framed Cancel 120 3120 2655 615
measure "Load window"

# Save Session: the box that asks for the name, then the message that it was saved.
xdotool key Escape
file_item 2
measure_box "input box"
xdotool type --delay 20 shown
xdotool key Return
untitled_gone "$shown" || fail "the input box stayed open"
measure_box "message box"
xdotool key Return

[ ${#faint[@]} -eq 0 ] || fail "text too faint under a $palette palette in: ${faint[*]}"
echo PASS
