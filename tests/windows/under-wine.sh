#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one end-to-end script of tests/e2e (or install.sh) on kestive.exe under Wine, then ends
# whatever Wine still runs for it, so that the next test starts on a fresh display:
#   under-wine.sh SCRIPT KESTIVE-UNDER-WINE PICTURES [MORE ARGUMENTS OF THE SCRIPT]
# KESTIVE_WINEPREFIX names the Wine folder (the one kestive-under-wine runs in).
set -uo pipefail
bash "$@"  # SCRIPT and its arguments
status=$?
WINEPREFIX=$KESTIVE_WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null
exit $status
