#!/usr/bin/env bash
# Checks the release as a packager and a user get it: builds it from a clean tree with CMake's default
# generator (Unix Makefiles, which packagers' tools use), makes the Debian package with cpack, runs
# lintian on it (no error, no warning), sees that cmake --install into a DESTDIR gives the files the
# package holds, builds the source tarball without .git and runs its core tests. Then installs the
# package with apt-get, starts the installed trainer through the desktop entry's command under Xvfb
# with a fresh home folder, sees its window with the case pictures and the icon on all four windows,
# runs a drill and saves the session, closes it with Exit, starts it again to see the user's files
# kept, and removes the package.
# Needs root (apt-get) and the test tools of scripts/setup.sh (Xvfb, xdotool, ImageMagick, x11-utils).
# Builds in build/package; prints the time of each build.
set -euo pipefail

if [ "${1:-}" = "--inside-x" ]; then
    shift
    inside_x=1
else
    inside_x=0
fi

repo=$(cd "$(dirname "$0")/../.." && pwd)
self=$repo/tests/package/$(basename "$0")  # runs itself again inside the virtual display, from any folder

# Window geometry of the design, in pixels at 96 dots per inch (15 twips to the pixel).
client_w=1432
client_h=819
grid_left=400                      # the case grid starts 6000 twips from the left
exit_x=$(( (3960 + 1815 / 2) / 15 )) # the middle of "Exit"
exit_y=$(( (5640 + 495 / 2) / 15 ))

fail() { echo "package check FAILED: $*" >&2; exit 1; }

# ---- run inside the X server that xvfb-run started --------------------------------------------------
if [ "$inside_x" = 1 ]; then
    workdir=$1
    shot=$2
    log=$3
    windows=$4   # "all": also open the three secondary windows and look at their icons
    shift 4
    "$@" >"$log" 2>&1 &
    pid=$!
    wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Kestive$' | head -n 1) ||
        fail "no window named Kestive appeared within 30 s (trainer output: $(cat "$log"))"
    [ -n "$wid" ] || fail "no window id"
    sleep 2  # let the first paint finish
    [ "$(readlink "/proc/$pid/cwd")" = "$workdir" ] ||
        fail "the trainer runs in $(readlink "/proc/$pid/cwd"), not in $workdir"
    has_icon() {
        case "$(xprop -id "$1" _NET_WM_ICON 2>/dev/null | head -c 100)" in
            *"Icon ("*) return 0 ;;
            *) return 1 ;;
        esac
    }
    has_icon "$wid" || fail "the main window has no icon"
    import -window "$wid" "$shot"
    # The menu bar sits above the client area inside the window.
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    menu=$((HEIGHT - client_h))
    [ "$WIDTH" -ge "$client_w" ] && [ "$menu" -ge 0 ] && [ "$menu" -lt 80 ] ||
        fail "window is ${WIDTH}x${HEIGHT}, expected a client area of ${client_w}x${client_h} under a menu bar"
    echo "window $wid: ${WIDTH}x${HEIGHT}, menu bar $menu px"
    if [ "$windows" = all ]; then
        # One drill with the mouse (START, STOP after the 2 s countdown and a moment, Accept), then
        # File, Save Session under the name "kept": the session lands in the working folder.
        start_x=$(( (120 + 1815 / 2) / 15 )); accept_x=$(( (2040 + 1815 / 2) / 15 ))
        buttons_y=$(( (4920 + 495 / 2) / 15 + menu ))
        xdotool mousemove --window "$wid" "$start_x" "$buttons_y" click 1
        sleep 2.8
        xdotool click 1
        sleep 0.3
        xdotool mousemove --window "$wid" "$accept_x" "$buttons_y" click 1
        sleep 0.3
        xdotool mousemove --window "$wid" 18 $((menu / 2)) click 1   # File
        sleep 0.3
        xdotool key Down Down Return                                 # Save Session
        timeout 10 xdotool search --sync --onlyvisible --name '^kestive$' >/dev/null ||
            fail "Save Session asked for no name"
        sleep 0.3
        xdotool type --delay 20 kept
        xdotool key Return
        sleep 1
        xdotool key Return                                           # "saved sucessfuly."
        sleep 0.3
        # Without a window manager new windows open at the top-left corner, over the menu bar: each
        # is moved aside once it is there.
        secondary() {
            local name=$1 id
            id=$(timeout 10 xdotool search --sync --onlyvisible --name "$name" | head -n 1) ||
                fail "the window $name did not open"
            has_icon "$id" || fail "the window $name has no icon"
            xdotool windowmove "$id" 900 480
            echo "window $name: icon present"
        }
        xdotool mousemove --window "$wid" 18 $((menu / 2)) click 1   # File
        sleep 0.3
        xdotool key Down Return                                      # Load Session
        secondary '^Load\.\.\.$'
        xdotool mousemove --window "$wid" 53 $((menu / 2)) click 1   # About, beside File
        secondary '^About$'
        xdotool mousemove --window "$wid" $(( (120 + 1935 / 2) / 15 )) $(( (8040 + 615 / 2) / 15 + menu )) click 1
        secondary '^Report$'                                         # Create report
    fi
    xdotool mousemove --window "$wid" "$exit_x" $((exit_y + menu)) click 1
    for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        fail "the trainer did not end after Exit"
    fi
    status=0
    wait "$pid" || status=$?
    [ "$status" = 0 ] || fail "the trainer ended with status $status after Exit (output: $(cat "$log"))"
    echo "Exit closed the trainer"
    exit 0
fi

# ---- outside: build, install, start, look, remove ---------------------------------------------------
missing=()
[ -f "$repo/src/ui/main.cpp" ] || missing+=("the trainer (src/ui/main.cpp)")
[ -f "$repo/tools/kestive-report/CMakeLists.txt" ] || missing+=("kestive-report")
[ -f "$repo/tools/kestive-casepics/CMakeLists.txt" ] || missing+=("the case pictures")
if [ ${#missing[@]} -gt 0 ]; then
    echo "package check SKIPPED: not in this tree yet: ${missing[*]}"
    exit 0
fi
[ "$(id -u)" = 0 ] || fail "needs root to install the package"

build=$repo/build/package
export DEBIAN_FRONTEND=noninteractive
command -v desktop-file-validate >/dev/null || apt-get install -y -q --no-install-recommends desktop-file-utils >/dev/null
command -v lintian >/dev/null || apt-get install -y -q --no-install-recommends lintian >/dev/null
tmp=$(mktemp -d)
cleanup() {
    rm -rf "$tmp"
    if dpkg-query -W -f='${Status}' kestive 2>/dev/null | grep -q "install ok installed"; then
        apt-get remove -y -q kestive >/dev/null
    fi
}
trap cleanup EXIT

echo "== building the release from a clean tree with Unix Makefiles in $build"
rm -rf "$build"
began=$(date +%s)
cmake -S "$repo" -B "$build" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DKESTIVE_WITH_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$build" -j "$(nproc)" >"$tmp/build.log" 2>&1 || { tail -n 30 "$tmp/build.log"; fail "the Makefiles build"; }
echo "clean Makefiles build at -j$(nproc): $(($(date +%s) - began)) s"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/kestive_*.deb)
echo "built $deb"

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
began=$(date +%s)
cmake -S "$source_tree" -B "$tmp/source-build" -DCMAKE_BUILD_TYPE=Release -DKESTIVE_WITH_GUI=OFF \
    -DKESTIVE_WITH_BENCH=OFF >/dev/null
cmake --build "$tmp/source-build" -j "$(nproc)" >"$tmp/source-build.log" 2>&1 ||
    { tail -n 30 "$tmp/source-build.log"; fail "the source tarball does not build"; }
ctest --test-dir "$tmp/source-build" -j "$(nproc)" --output-on-failure | grep -E "tests passed|tests failed" ||
    fail "the source tarball's tests fail"
echo "source tarball: core build and tests in $(($(date +%s) - began)) s"

echo "== contents and dependencies"
contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
for f in /usr/bin/kestive /usr/bin/kestive-report /usr/bin/kestive-launcher \
         /usr/share/applications/kestive.desktop /usr/share/man/man1/kestive-report.1.gz \
         /usr/share/man/man1/kestive.1.gz /usr/share/man/man1/kestive-launcher.1.gz \
         /usr/share/metainfo/org.kestive.Kestive.metainfo.xml \
         /usr/share/kestive/kestive.ico /usr/share/doc/kestive/copyright /usr/share/doc/kestive/changelog.gz \
         /usr/share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/kestive.png; do
    grep -qx "$f" <<<"$contents" || fail "the package lacks $f"
done
pictures=$(grep -c '^/usr/share/kestive/cases/oll[0-9][0-9]print\.gif$' <<<"$contents" || true)
[ "$pictures" = 57 ] || fail "the package holds $pictures case pictures, not 57"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libcanberra0; do
    grep -q "$lib" <<<"$depends" || fail "the package does not depend on $lib"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
for p in qt6-wayland sound-theme-freedesktop; do
    grep -q "$p" <<<"$recommends" || fail "the package does not recommend $p"
done

echo "== installing"
if dpkg-query -W -f='${Status}' kestive 2>/dev/null | grep -q "install ok installed"; then
    echo "note: the kestive package installed before this check is replaced, and removed at its end"
    apt-get remove -y -q kestive >/dev/null
fi
timeout 600 apt-get install -y -q "$deb" >/dev/null || fail "apt-get install $deb"

for bin in /usr/bin/kestive /usr/bin/kestive-report; do
    if ldd "$bin" | grep -q "not found"; then fail "$bin misses libraries: $(ldd "$bin" | grep 'not found')"; fi
done
desktop-file-validate /usr/share/applications/kestive.desktop || fail "the desktop entry does not validate"
for page in kestive kestive-launcher kestive-report; do
    man -l "/usr/share/man/man1/$page.1.gz" 2>/dev/null | grep -q "$page" || fail "the manual page of $page does not render"
done
appstreamcli validate --no-net /usr/share/metainfo/org.kestive.Kestive.metainfo.xml || fail "the AppStream metadata does not validate"

# The installed report tool on a small session file: 57 case lines and the total.
printf 'recorded on today\r\n0:600,700,\r\n1:\r\n' > "$tmp/small.pll"
report=$(cd "$tmp" && LC_ALL=C /usr/bin/kestive-report small.pll) || fail "kestive-report small.pll"
[ "$(printf '%s' "$report" | grep -c '^avg: ')" = 57 ] || fail "kestive-report did not print 57 case lines"
grep -q '^avg: 0.65, std: 0.05, num: 2' <<<"$report" || fail "kestive-report line of case 0: $(head -n 1 <<<"$report")"
grep -q 'Total Average: 0.65' <<<"$report" || fail "kestive-report total line missing"

echo "== starting the installed trainer from its desktop entry"
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/kestive.desktop | head -n 1)
exec_line=$(sed 's/ *%[fFuUdDnNickvm]//g' <<<"$exec_line")   # no field codes: the trainer takes no files
read -r -a command <<<"$exec_line"
mkdir -p "$tmp/home"
workdir="$tmp/data/kestive"
env -i PATH=/usr/bin:/bin HOME="$tmp/home" XDG_DATA_HOME="$tmp/data" LANG=C.UTF-8 \
    timeout 120 xvfb-run -a -s "-screen 0 1600x1000x24" \
    bash "$self" --inside-x "$workdir" "$tmp/shot.png" "$tmp/trainer.log" all "${command[@]}"

copied=$(ls "$workdir" | grep -c '^oll[0-9][0-9]print\.gif$' || true)
[ "$copied" = 57 ] || fail "$copied pictures were copied into $workdir, not 57"
for f in /usr/share/kestive/cases/*.gif; do
    cmp -s "$f" "$workdir/${f##*/}" || fail "the copy of ${f##*/} differs from the installed picture"
done

# The case grid shows yellow stickers only when the pictures were loaded.
yellow=$(convert "$tmp/shot.png" -crop "+${grid_left}+0" +repage -alpha off \
    -fuzz 8% -fill black +opaque '#FFD500' -fill white -opaque '#FFD500' \
    -colorspace Gray -format '%[fx:round(mean*w*h)]' info:)
echo "yellow sticker pixels in the case grid: $yellow"
# Every case shows at least its yellow centre sticker (19 x 19 pixels); the grid holds 54 cases.
[ "$yellow" -ge $((54 * 19 * 19)) ] || fail "too few yellow sticker pixels in the case grid: $yellow"

[ -f "$workdir/kept.pll" ] || fail "Save Session in the installed trainer wrote no kept.pll in $workdir"
[ "$(tr -d '\r' < "$workdir/kept.pll" | grep -c '^[0-9]*:')" = 57 ] || fail "kept.pll has not 57 case lines"
[ "$(tr -d '\r' < "$workdir/kept.pll" | grep -c '^[0-9]*:[0-9]*,$')" = 1 ] || fail "kept.pll does not hold the one drill"
cp "$workdir/kept.pll" "$tmp/kept.pll"

echo "== a second start keeps what the user changed in the working folder"
convert "$workdir/oll01print.gif" -rotate 90 "$workdir/oll01print.gif"
cp "$workdir/oll01print.gif" "$tmp/rotated.gif"
rm "$workdir/oll02print.gif"
printf 'recorded on today\r\n0:612,\r\n' > "$workdir/mine.pll"
cp "$workdir/mine.pll" "$tmp/mine.pll"
env -i PATH=/usr/bin:/bin HOME="$tmp/home" XDG_DATA_HOME="$tmp/data" LANG=C.UTF-8 \
    timeout 120 xvfb-run -a -s "-screen 0 1600x1000x24" \
    bash "$self" --inside-x "$workdir" "$tmp/shot2.png" "$tmp/trainer2.log" main "${command[@]}"
cmp -s "$workdir/oll01print.gif" "$tmp/rotated.gif" || fail "the second start overwrote a rotated picture"
cmp -s "$workdir/oll02print.gif" /usr/share/kestive/cases/oll02print.gif || fail "a deleted picture did not come back"
cmp -s "$workdir/mine.pll" "$tmp/mine.pll" || fail "the second start changed a session file"
cmp -s "$workdir/kept.pll" "$tmp/kept.pll" || fail "the second start changed the saved session"

echo "== started by hand in an empty folder, the trainer shows the installed pictures"
empty="$tmp/empty"
mkdir -p "$empty"
(cd "$empty" && env -i PATH=/usr/bin:/bin HOME="$tmp/home" LANG=C.UTF-8 \
    timeout 120 xvfb-run -a -s "-screen 0 1600x1000x24" \
    bash "$self" --inside-x "$empty" "$tmp/shot3.png" "$tmp/trainer3.log" main kestive)
yellow=$(convert "$tmp/shot3.png" -crop "+${grid_left}+0" +repage -alpha off \
    -fuzz 8% -fill black +opaque '#FFD500' -fill white -opaque '#FFD500' \
    -colorspace Gray -format '%[fx:round(mean*w*h)]' info:)
echo "yellow sticker pixels in the case grid: $yellow"
[ "$yellow" -ge $((54 * 19 * 19)) ] || fail "started in an empty folder, the trainer did not show the installed pictures"
[ -z "$(ls -A "$empty")" ] || fail "the trainer wrote into the folder it was started in: $(ls -A "$empty")"

echo "== removing"
apt-get remove -y -q kestive >/dev/null
[ ! -e /usr/bin/kestive ] && [ ! -e /usr/share/applications/kestive.desktop ] || fail "files remain after removal"
[ -f "$workdir/oll01print.gif" ] || fail "removing the package touched the user's folder"
echo "package check passed"
