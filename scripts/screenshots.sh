#!/usr/bin/env bash
# Takes the README's screenshots at full size (docs/shots/NAME.jpg, 1280x1024,
# with a half-size copy NAME-small.jpg for the README's table) by playing the
# benchmarks' recorded demos (bench/demos) up to the moment wanted, pausing
# there with b and shooting the screen once the game has drawn the pause.
# On a screen of another size, the game full screen on it, they are
# NAME-WxH.jpg and NAME-WxH-small.jpg.
#   scripts/screenshots.sh [--size WxH] [BUILD]   (default build; needs ImageMagick)
set -euo pipefail
cd "$(dirname "$0")/.."
size=1280x1024
if [ "${1:-}" = --size ]; then
  size=$2
  shift 2
fi
build=$(readlink -f "${1:-build}")
if [ -z "${QUORVEL_SHOTS_SERVER:-}" ]; then
  QUORVEL_SHOTS_SERVER=1 exec scripts/with-xserver.sh --size "$size" "$0" --size "$size" "$build"
fi
suffix=""
[ "$size" = 1280x1024 ] || suffix=-$size
shots=docs/shots
mkdir -p "$shots"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

# frame_where DEMO AWK_TEST: the number of the first frame whose state passes
# the test ($5 is the phase, $6 the rider's x; see docs/demos.md).
frame_where() { awk "/^frame/ { n++ } /^state/ && ($2) { print n; exit }" "$1"; }

# shot NAME DEMO FRAME [SED]: the demo (edited by SED, its states dropped)
# played up to FRAME, then a run is paused; the screen once that shows.
shot() {
  local name=$1 demo=$2 frame=$3 edit=${4:-}
  sed -e "$edit" -e '/^state/d' "$demo" |
    awk -v last="$frame" '/^frame/ && ++n > last { done = 1 } !done { print }' >"$work/cut.demo"
  if grep -q '^key 115' "$work/cut.demo"; then echo "key 98" >>"$work/cut.demo"; fi   # a run: pause it
  echo "frame 30" >>"$work/cut.demo"
  rm -f "$work/seen.demo.part"
  (cd "$build/data" && exec "$build/quorvel" --fullscreen --play "$work/cut.demo" --record "$work/seen.demo") >/dev/null &
  local game=$!
  # Shot once the pause has been drawn for a while, the window long mapped.
  until [ "$(cat "$work/seen.demo.part" 2>/dev/null | awk '/^state/ { n++ } END { print n + 0 }')" -gt $((frame + 30)) ]; do
    kill -0 "$game" 2>/dev/null || { echo "screenshots: the game ended early" >&2; exit 1; }
    sleep 0.2
  done
  import -window root "$work/$name.png"
  kill "$game"
  wait "$game" 2>/dev/null || true
  convert "$work/$name.png" -strip -quality 90 "$shots/$name$suffix.jpg"
  convert "$work/$name.png" -strip -resize 50% -quality 90 "$shots/$name$suffix-small.jpg"
  echo "$shots/$name$suffix.jpg: frame $frame of $(basename "$demo")"
}

printf 'quorvel-demo 1\nwindow 1280 1024\nframe 130\nframe 130\n' >"$work/menu.demo"
printf 'quorvel-demo 1\nwindow 1280 1024\nframe 130\nkey 104\nframe 130\n' >"$work/help.demo"
day=bench/demos/day.demo
crash=bench/demos/night_crash.demo
take_off=$(frame_where "$day" '$5 == "air"')
approach=$(frame_where "$day" '$5 == "approach"')
crashed=$(frame_where "$crash" '$5 == "crash" && $12 == 0')
night='/^key 115$/a key 110'

shot menu "$work/menu.demo" 2
shot help "$work/help.demo" 2
shot start "$day" 20
shot lip "$day" $((take_off - 2))
shot flight "$day" $((approach + 8))
shot crash "$crash" $((crashed + 30)) '/^key 110$/d'
shot finish "$day" $(($(grep -c '^frame' "$day") - 3))   # before the keys that leave
shot night-start "$day" 20 "$night"
shot night-lip "$day" $((take_off - 2)) "$night"
