#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The release as packagers and users get it (as root, with scripts/setup.sh's test tools; builds in
# build/package): a clean Unix Makefiles build, the Debian package and the source tarball checked; the
# package installed, its trainer started from the desktop entry with a fresh home and by hand in an
# empty folder, under Xvfb; then removed.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
fail() { echo "package check FAILED: $*" >&2; exit 1; }
source "$repo/tests/e2e/harness.sh"

# ---- under xvfb-run: check.sh --inside-x TRACE SHOT drill|look COMMAND... starts COMMAND, sees its icon,
# takes a screenshot, with "drill" saves a drill as "kept" in TRACE's folder (its working folder), exits.
if [ "${1:-}" = --inside-x ]; then
    trace=$2 shot=$3 mode=$4
    shift 4
    KESTIVE_TRACE=$trace "$@" >"$shot.log" 2>&1 &
    pid=$!
    wid=$(kestive_window 30) || fail "no window named Kestive (trainer output: $(cat "$shot.log"))"
    await_shown "$trace" || fail "no first paint (trainer output: $(cat "$shot.log"))"
    [[ $(xprop -id "$wid" _NET_WM_ICON) == *"Icon ("* ]] || fail "the main window has no icon"
    import -window "$wid" "$shot"
    find_places "$wid"
    if [ "$mode" = drill ]; then
        cd "$(dirname "$trace")"
        drill
        save_as kept
    fi
    exit_program
    exit 0
fi

# ---- outside: build, install, start, look, remove ---------------------------------------------------
[ "$(id -u)" = 0 ] || fail "needs root to install the package"
build=$repo/build/package
export DEBIAN_FRONTEND=noninteractive
for tool in lintian desktop-file-validate xvfb-run xdotool xprop convert; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh test installs it)"
done
installed() { dpkg-query -W -f='${Status}' kestive 2>/dev/null | grep -q "install ok installed"; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"; if installed; then apt-get remove -y -q kestive >/dev/null; fi' EXIT

echo "== building the release from a clean tree with Unix Makefiles in $build"
rm -rf "$build"
cmake -S "$repo" -B "$build" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DKESTIVE_WITH_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$build" -j "$(nproc)" >"$tmp/build.log" 2>&1 || { tail -n 30 "$tmp/build.log"; fail "the Makefiles build"; }
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/kestive_*.deb)

echo "== lintian"
lintian --fail-on error,warning "$deb" || fail "lintian reports errors or warnings on the package"

echo "== cmake --install into a DESTDIR gives the files the package holds"
DESTDIR="$tmp/dest" cmake --install "$build" >/dev/null
diff <(cd "$tmp/dest" && find . ! -type d | sed 's|^\.||' | sort) \
    <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\.||' | sort) ||
    fail "cmake --install (<) and the package (>) hold different files"

echo "== the source tarball builds and passes the core tests without .git"
(cd "$build" && cpack --config CPackSourceConfig.cmake >/dev/null)
tar -xzf "$build"/kestive-*-source.tar.gz -C "$tmp"
source_tree=$(ls -d "$tmp"/kestive-*-source)
[ -f "$source_tree/COPYING" ] || fail "the source tarball lacks COPYING"
[ ! -e "$source_tree/.git" ] && [ ! -e "$source_tree/build" ] || fail "the source tarball holds .git or build"
cmake -S "$source_tree" -B "$tmp/source-build" -DCMAKE_BUILD_TYPE=Release -DKESTIVE_WITH_GUI=OFF \
    -DKESTIVE_WITH_BENCH=OFF >/dev/null
cmake --build "$tmp/source-build" -j "$(nproc)" >"$tmp/source-build.log" 2>&1 ||
    { tail -n 30 "$tmp/source-build.log"; fail "the source tarball does not build"; }
ctest --test-dir "$tmp/source-build" -j "$(nproc)" --output-on-failure | grep -E "tests passed|tests failed" ||
    fail "the source tarball's tests fail"

# What no later step uses: the metadata, the .ico and the theme icons (lintian misses a manual page).
echo "== contents and dependencies"
contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
for f in /usr/share/metainfo/org.kestive.Kestive.metainfo.xml /usr/share/kestive/kestive.ico \
         /usr/share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/kestive.png; do
    grep -qx "$f" <<<"$contents" || fail "the package lacks $f"
done
for want in Depends:libqt6widgets6 Depends:libcanberra0 Recommends:qt6-wayland Recommends:sound-theme-freedesktop; do
    dpkg-deb -f "$deb" "${want%%:*}" | grep -q "${want#*:}" || fail "${want%%:*} of the package lacks ${want#*:}"
done

echo "== installing"
if installed; then apt-get remove -y -q kestive >/dev/null; fi  # apt-get would keep an installed version
timeout 600 apt-get install -y -q "$deb" >/dev/null || fail "apt-get install $deb"
for bin in /usr/bin/kestive /usr/bin/kestive-report; do ! ldd "$bin" | grep "not found" || fail "$bin misses libraries"; done
desktop-file-validate /usr/share/applications/kestive.desktop || fail "the desktop entry does not validate"
printf 'recorded on today\r\n0:600,700,\r\n' >"$tmp/small.pll"
(cd "$tmp" && LC_ALL=C /usr/bin/kestive-report small.pll) | grep -q 'Total Average: 0.65' ||
    fail "the installed kestive-report gives no total of small.pll"

# The case grid (from 6000 twips, 400 pixels, on) shows yellow stickers only when the pictures were
# loaded: each of its 54 cases at least its yellow centre sticker of 19 x 19 pixels.
yellow_grid() { [ "$(colour_pixels "$1" '#FFD500' +400+0)" -ge $((54 * 19 * 19)) ]; }
# in_x TRACE SHOT drill|look COMMAND...: the part above under Xvfb, with a bare environment (the trainer
# reads no XDG variable; the launcher works in $tmp/data/kestive).
in_x() {
    env -i PATH=/usr/bin:/bin HOME="$tmp/home" XDG_DATA_HOME="$tmp/data" LANG=C.UTF-8 timeout 120 \
        xvfb-run -a -s "-screen 0 1600x1000x24" bash "$repo/tests/package/check.sh" --inside-x "$@"
}

echo "== starting the installed trainer from its desktop entry"
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/kestive.desktop | head -n 1)
read -r -a command <<<"$(sed 's/ *%[fFuUdDnNickvm]//g' <<<"$exec_line")"  # the trainer takes no files
workdir="$tmp/data/kestive"
mkdir -p "$tmp/home" "$tmp/empty" "$tmp/trace"
in_x "$workdir/trace.txt" "$tmp/shot.png" drill "${command[@]}"
for f in /usr/share/kestive/cases/*.gif; do
    cmp -s "$f" "$workdir/${f##*/}" || fail "${f##*/} was not copied into $workdir"
done
[ "$(ls /usr/share/kestive/cases/oll*print.gif | wc -l)" = 57 ] || fail "the package holds not 57 case pictures"
yellow_grid "$tmp/shot.png" || fail "too few yellow sticker pixels in the case grid"
[ "$(tr -d '\r' <"$workdir/kept.pll" | grep -c '^[0-9]*:[0-9]*,$')" = 1 ] || fail "kept.pll does not hold the one drill"

echo "== started by hand in an empty folder, the trainer shows the installed pictures"
(cd "$tmp/empty" && in_x "$tmp/trace/trace.txt" "$tmp/shot2.png" look kestive)
yellow_grid "$tmp/shot2.png" || fail "started in an empty folder, the trainer did not show the installed pictures"
[ -z "$(ls -A "$tmp/empty")" ] || fail "the trainer wrote into the folder it was started in: $(ls -A "$tmp/empty")"

echo "== removing"
apt-get remove -y -q kestive >/dev/null
[ ! -e /usr/bin/kestive ] && [ ! -e /usr/share/applications/kestive.desktop ] || fail "files remain after removal"
[ -f "$workdir/oll01print.gif" ] || fail "removing the package touched the user's folder"
echo "package check passed"
