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
QUORVEL_SOURCE=$PWD QUORVEL_BIN=$build/quorvel QUORVEL_DATA=$build/data
source tests/support/game.sh   # shoot, frame_where ($5 is the phase, $12 the speed; see docs/demos.md)

# shot NAME DEMO FRAME [SED]: the demo (edited by SED) played up to FRAME, a
# run paused there, full screen.
shot() {
  shoot "$work/$1.png" "$2" "$3" "${4:-}" --fullscreen
  convert "$work/$1.png" -strip -quality 90 "$shots/$1$suffix.jpg"
  convert "$work/$1.png" -strip -resize 50% -quality 90 "$shots/$1$suffix-small.jpg"
  echo "$shots/$1$suffix.jpg: frame $3 of $(basename "$2")"
}

printf 'quorvel-demo 1\nwindow 1280 1024\nframe 130\nstate menu\nframe 130\nstate menu\n' >"$work/menu.demo"
printf 'quorvel-demo 1\nwindow 1280 1024\nframe 130\nstate menu\nkey 104\nframe 130\nstate help\n' >"$work/help.demo"
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
