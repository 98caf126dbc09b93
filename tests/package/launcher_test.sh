#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop launcher in a fake installed tree whose "kestive" records where it was started: it makes
# the working folder, copies only missing pictures, and starts the trainer there.
set -euo pipefail
launcher=${1:?usage: launcher_test.sh PATH/TO/kestive-launcher}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$tmp/prefix" home="$tmp/home"
mkdir -p "$prefix/bin" "$prefix/share/kestive/cases" "$home"
cp "$launcher" "$prefix/bin/kestive-launcher"
printf '#!/bin/sh\npwd >"$KESTIVE_TEST_LOG"\necho "args:$#" >>"$KESTIVE_TEST_LOG"\n' >"$prefix/bin/kestive"
chmod +x "$prefix/bin/kestive" "$prefix/bin/kestive-launcher"
for i in $(seq -w 1 57); do echo "installed $i" > "$prefix/share/kestive/cases/oll${i}print.gif"; done
export KESTIVE_TEST_LOG="$tmp/log"

# First start: the folder is made with the pictures and nothing else (that every picture is copied and
# the trainer runs there is check.sh's, on the installed package), the trainer gets no arguments.
HOME="$home" XDG_DATA_HOME="" "$prefix/bin/kestive-launcher"
work="$home/.local/share/kestive"
[ "$(sed -n 2p "$tmp/log")" = "args:0" ] || fail "the trainer got arguments"
[ -z "$(ls -A "$work" | grep -v '^oll[0-9][0-9]print\.gif$')" ] || fail "left other files: $(ls -A "$work")"

# The user's edits survive; a removed picture comes back; a session file is left alone.
echo "rotated by me" > "$work/oll05print.gif"
rm "$work/oll12print.gif" "$work/oll40print.gif"
ln -s "$tmp/nowhere.gif" "$work/oll40print.gif"
echo "recorded on x" > "$work/dec13.pll"
HOME="$home" "$prefix/bin/kestive-launcher"
[ "$(cat "$work/oll05print.gif")" = "rotated by me" ] || fail "an edited picture was overwritten"
[ "$(cat "$work/oll12print.gif")" = "installed 12" ] || fail "a missing picture was not copied again"
[ -L "$work/oll40print.gif" ] || fail "a link the user made was replaced"
[ "$(cat "$work/dec13.pll")" = "recorded on x" ] || fail "a session file was touched"

# XDG_DATA_HOME is used when it is an absolute path and ignored when it is relative.
HOME="$home" XDG_DATA_HOME="$tmp/data" "$prefix/bin/kestive-launcher"
[ "$(head -n 1 "$tmp/log")" = "$tmp/data/kestive" ] || fail "XDG_DATA_HOME was not used"
[ -f "$tmp/data/kestive/oll57print.gif" ] || fail "pictures not copied into XDG_DATA_HOME"
(cd "$tmp" && HOME="$home" XDG_DATA_HOME="relative" "$prefix/bin/kestive-launcher")
[ "$(head -n 1 "$tmp/log")" = "$work" ] || fail "a relative XDG_DATA_HOME was not ignored"
[ ! -e "$tmp/relative" ] || fail "a relative XDG_DATA_HOME folder was created"

# Started through a symbolic link, as a menu or a user's own bin folder may do.
ln -s "$prefix/bin/kestive-launcher" "$tmp/link-launcher"
rm "$work/oll01print.gif"
HOME="$home" "$tmp/link-launcher"
[ "$(cat "$work/oll01print.gif")" = "installed 01" ] || fail "through a link the pictures were not found"

# A working folder that cannot be created is an error, and the trainer is not started.
rm -f "$tmp/log"
touch "$tmp/file"
! HOME="$home" XDG_DATA_HOME="$tmp/file" "$prefix/bin/kestive-launcher" 2>/dev/null ||
    fail "a working folder under a plain file was reported as success"
[ ! -e "$tmp/log" ] || fail "the trainer was started without its working folder"
echo "launcher: all checks passed"
