#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file and script of the tree names its licence in an SPDX line among its first lines:
# C++ sources and headers, CMake files, Python, shell scripts and any other file that starts with "#!".
#   spdx.sh <source tree>
set -euo pipefail
cd "$1"
missing=$(find . \( -path ./build -o -path ./out -o -path ./Testing -o -name .git \) -prune -o -type f -print |
  while IFS= read -r file; do
    case "$file" in *.cpp | *.h | *.py | *.sh | *.cmake | */CMakeLists.txt) ;;
      *) [ "$(head -c 2 "$file")" = '#!' ] || continue ;; esac
    head -n 3 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "no SPDX line: ${file#./}"
  done)
[ -z "$missing" ] || { echo "$missing"; echo "$(wc -l <<<"$missing") files lack it"; exit 1; }
echo "every source file names its licence"
