#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the 57 case pictures of a build side by side, numbered, in one PNG for checking them by eye.
#   tools/kestive-casepics/contact-sheet.sh [PICTURE_DIR] [OUT.png]   (needs imagemagick's montage)
set -euo pipefail
dir=${1:-build/dev/cases}
out=${2:-case-pictures.png}
args=()
for n in $(seq 1 57); do
  args+=(-label "$n" "$dir/$(printf 'oll%02dprint.gif' "$n")")
done
montage "${args[@]}" -tile 10x -geometry 162x162+8+8 -filter point -pointsize 18 "$out"
echo "$out"
