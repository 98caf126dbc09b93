#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A kept time is on the disk before the keep returns: under strace, every journal line written is
# followed by a flush of the same file before anything else is written: flushed.sh <core_tests>
set -eu
strace -f -qq -e trace=pwrite64,fdatasync,fsync -e signal=none "$1" \
  --gtest_filter='UnsavedTimes.ATrainerStartedBesideARunningOneLeavesItsJournalAlone' 2>&1 >/dev/null |
  awk '
    /pwrite64\([0-9]+, "[0-9]+:-?[0-9]+,\\r\\n"/ {
      if (pending) bad = 1
      match($0, /pwrite64\([0-9]+/); fd = substr($0, RSTART + 9, RLENGTH - 9); pending = 1; keeps++; next
    }
    /pwrite64\(/ { if (pending) bad = 1 }
    /f(data)?sync\(/ { if (pending && index($0, "(" fd ")")) pending = 0 }
    END {
      if (keeps == 0) { print "FAIL: no kept time was written"; exit 1 }
      if (pending || bad) { print "FAIL: a kept time was not flushed before the next write"; exit 1 }
      print keeps " kept times, each flushed"
    }'
