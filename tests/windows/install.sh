#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer under Wine (run by under-wine.sh on an X display): a silent per-user install, the
# program started through its Start-menu entry, a silent uninstall. The entry starts the program in
# its own folder, so it works in Documents\Kestive, made on its first start; the uninstall removes
# the program, its entry and its entry in the installed programs, and leaves that folder alone.
#   install.sh <kestive-VERSION-setup.exe> <wine-run>
set -euo pipefail
setup=$1 wine_run=$2
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/harness.sh"
drive_c=$KESTIVE_WINEPREFIX/drive_c
user_dir=$(find "$drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public | head -1)
program=$user_dir/AppData/Local/Programs/Kestive
entry=$user_dir/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Kestive.lnk
documents=$(readlink -f "$user_dir/Documents")
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestive'
wait_for_wine() { WINEPREFIX=$KESTIVE_WINEPREFIX /usr/lib/wine/wineserver -w; }
rm -rf "$documents/Kestive" "$program"

"$wine_run" "$setup" /S
wait_for_wine
for file in kestive.exe kestive-report.exe Qt6Widgets.dll platforms/qwindows.dll imageformats/qgif.dll \
  oll01print.gif oll57print.gif uninstall.exe; do
  [ -f "$program/$file" ] || fail "the install lacks $file"
done
[ -f "$entry" ] || fail "no Start-menu entry"
"$wine_run" reg query "$key" /v UninstallString | grep -q 'uninstall.exe' || fail "no entry among the installed programs"

# Started as the Start-menu entry starts it.
trace=$(mktemp)
KESTIVE_TRACE="Z:${trace//\//\\}" "$wine_run" start "$(echo "$entry" | sed "s|^$drive_c|C:|; s|/|\\\\|g")"
poll 20 grep -qs '^shown' "$trace" || fail "the program started from its entry did not show its window"
[ -d "$documents/Kestive" ] || fail "no Documents\\Kestive after the first start"
printf 'recorded on today\r\n' >"$documents/Kestive/mine.pll"
WINEPREFIX=$KESTIVE_WINEPREFIX /usr/lib/wine/wineserver -k
rm -f "$trace"

uninstaller=$(echo "$program/uninstall.exe" | sed "s|^$drive_c|C:|; s|/|\\\\|g")
"$wine_run" "$uninstaller" /S
wait_for_wine
[ -e "$program" ] && fail "the uninstall left $(ls -A "$program")"
[ -e "$entry" ] && fail "the uninstall left the Start-menu entry"
"$wine_run" reg query "$key" >/dev/null 2>&1 && fail "the uninstall left its entry among the installed programs"
[ -f "$documents/Kestive/mine.pll" ] || fail "the uninstall removed the session files"
echo PASS
