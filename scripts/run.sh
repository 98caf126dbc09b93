#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the trainer and starts it in its working folder, which holds the
# case pictures and the session files. Pictures already there are never overwritten.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh run
src=$PWD
workdir="${XDG_DATA_HOME:-$HOME/.local/share}/kestive"
mkdir -p "$workdir"
if compgen -G "build/release/cases/*.gif" >/dev/null; then
  cp -n build/release/cases/*.gif "$workdir"/
fi
cd "$workdir"
if [ -x "$src/build/release/src/ui/kestive" ]; then
  exec "$src/build/release/src/ui/kestive"
fi
exec "$src/build/release/tools/kestive-report/kestive-report" --help
