#!/usr/bin/env bash
# The game full screen (--fullscreen) on screens from 800x600 to 3840x2160,
# each an Xvfb of that size: the window takes the whole screen and leaves
# its size alone, and the menu's and help's buttons answer where they are
# painted, whatever the screen's shape: the buttons are found in screenshots
# of the two screens of windows wider than 5:4, then a timed demo clicks
# them just inside and just outside every edge of each
# (tests/game/painted_buttons.py) and every click must leave the screen it
# should. The clicks of a demo recorded in a 320x256 window land on the same
# buttons here.
set -euo pipefail
if [ -z "${QUORVEL_SCREEN:-}" ]; then
  for size in 800x600 1280x1024 1920x1080 2560x1080 3840x2160; do
    QUORVEL_SCREEN=$size "$QUORVEL_SOURCE/scripts/with-xserver.sh" --size "$size" bash "$0"
  done
  exit 0
fi
source "$QUORVEL_SOURCE/tests/support/game.sh"
size=$QUORVEL_SCREEN
buttons() { PYTHONPATH="$QUORVEL_SOURCE/tests/game" /usr/bin/python3 -m painted_buttons "$@"; }
screen_size() { xdpyinfo | awk '/dimensions:/ { print $2; exit }'; }

if [ $((${size%x*} * 4 > ${size#*x} * 5)) = 1 ]; then
  # A second frame of each screen is in the recording only once the first is on the screen.
  game_start --fullscreen
  wait_for '^state menu'
  wait_for '^state menu'
  import -window root "$work/menu.png"
  xdotool mousemove $((${size%x*} / 2)) $((${size#*x} / 2)) key h
  wait_for '^state help'
  wait_for '^state help'
  import -window root "$work/help.png"
  game_stop
  buttons clicks "$work/menu.png" "$work/help.png" "${size%x*}" "${size#*x}" "$work/clicks.demo" "$work/expected.txt" ||
    fail "$size: the buttons in the screenshots"
  play "$QUORVEL_DATA" --fullscreen --timedemo "$work/clicks.demo" --record "$work/replay.demo"
  expect_clean "$size: the clicks (played in a window of the demo's size, or it says so)"
  buttons check "$work/replay.demo" "$work/expected.txt" || fail "$size: a click missed its button"
fi
# 3840x2160 is 1920x1080's shape.
if [ "$size" != 3840x2160 ]; then
  play "$QUORVEL_DATA" --fullscreen --timedemo "$demos/screens.demo" --record "$work/replay.demo"
  [ "$status" = 0 ] && ! grep -qv '^quorvel: .* was recorded in a 320x256 window and plays in' "$work/stderr" ||
    fail "$size: the 320x256 demo"
  PYTHONPATH="$QUORVEL_SOURCE/tests/game" /usr/bin/python3 -c 'import sys, playdemo
playdemo.check_screens(playdemo.frames_of(open(sys.argv[1]).read()))' "$work/replay.demo" ||
    fail "$size: the 320x256 demo's clicks"
fi
window=$(window_of "$work/replay.demo")
[ "$window" = "$size" ] && [ "$(screen_size)" = "$size" ] || fail "$size: a $window window, the screen $(screen_size)"
echo "$size: full screen, every click where it is painted"
