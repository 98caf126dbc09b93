#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every tracked C++ file is formatted as .clang-format says; prints the files that are not.
#   scripts/check-format.sh          check (exit status 1 when a file is off)
#   scripts/check-format.sh --fix    format those files in place
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "check-format: clang-format is missing (scripts/setup.sh test)" >&2; exit 2; }
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || { echo "check-format: needs the git tree to list the files" >&2; exit 2; }

mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
[ ${#files[@]} -gt 0 ] || { echo "check-format: no C++ files found" >&2; exit 2; }
off=()
for f in "${files[@]}"; do
  clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || off+=("$f")
done
if [ ${#off[@]} -eq 0 ]; then
  echo "check-format: all ${#files[@]} C++ files are formatted ($(clang-format --version))"
  exit 0
fi
if [ "${1:-}" = --fix ]; then
  clang-format -i "${off[@]}"
  printf 'check-format: formatted %s\n' "${off[@]}"
  exit 0
fi
printf 'check-format: not formatted: %s\n' "${off[@]}"
echo "check-format: ${#off[@]} of ${#files[@]} files; scripts/check-format.sh --fix formats them" >&2
exit 1
