# Started in a folder without its pictures, the trainer takes them from the ones built beside it; a
# picture in the current folder still wins. Run under xvfb-run: pictures.sh <kestive binary>
set -euo pipefail
bin=$1
work=$(mktemp -d)
shot=$work/shot.png
pid=
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid"; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Case 1's own picture in the current folder: a square of #C04040.
convert -size 60x60 'xc:#C04040' "$work/oll01print.gif"
cd "$work"
KESTIVE_TRACE="$work/trace.txt" "$bin" &
pid=$!
wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Kestive$' | head -1) || fail "no window"
for _ in $(seq 100); do grep -q '^shown' trace.txt 2>/dev/null && break; sleep 0.1; done
sleep 1
import -window "$wid" "$shot"
count() {  # pixels of the colour $1 right of the buttons, where the case grid is
  convert "$shot" -crop +400+0 +repage -alpha off -fuzz 8% -fill black +opaque "$1" -fill white \
    -opaque "$1" -colorspace Gray -format '%[fx:round(mean*w*h)]' info:
}
yellow=$(count '#FFD500')
own=$(count '#C04040')
echo "yellow sticker pixels in the case grid: $yellow; pixels of the current folder's picture: $own"
# Each of the 56 built pictures shows at least its yellow centre sticker of 19 x 19 pixels.
[ "$yellow" -ge $((56 * 19 * 19)) ] || fail "the built pictures were not loaded"
[ "$own" -ge $((55 * 55)) ] || fail "the current folder's picture of case 1 was not the one shown"
if xdotool search --onlyvisible --name '^Kestive$' | grep -vx "$wid" >/dev/null; then
  fail "a message about missing pictures appeared"
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=
echo "pictures taken from the build, the current folder's first"
