#!/usr/bin/env bash
# Writes the README's screenshots to docs/ (640x512 PNGs): the menu, the help
# screen, a run by day, a run by night, a jump in its landing approach with
# the HUD's balance panel, and a crash at rest. Each is taken with the game
# paused (b), so the frame is the same until the picture is taken.
# Usage: tests/game/screenshots.sh [build folder]   (default build)
set -euo pipefail
build=$(readlink -f "${1:-build}")
export QUORVEL_SOURCE QUORVEL_BIN="$build/quorvel" QUORVEL_DATA="$build/data"
QUORVEL_SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
source "$QUORVEL_SOURCE/tests/support/game.sh"
docs="$QUORVEL_SOURCE/docs"

shot() {   # shot NAME: the whole screen, scaled to 640x512
  sleep 1.5
  import -window root "$game_dir/$1.png"
  convert "$game_dir/$1.png" -resize 640x512 -strip -colors 256 "PNG8:$docs/$1.png"
  echo "docs/$1.png: $(stat -c %s "$docs/$1.png") bytes"
}
watch_bar() {   # watch_bar COLOUR LEFT RIGHT: until the timing bar shows that colour there
  "$game_python" "$game_tests/game/screenwatch.py" "$1" 90 "$2" 0.88 "$3" 1.0 || fail "no $1 timing bar"
}
drag() {
  local moves=() k
  for k in $(seq "$2"); do moves+=(mousemove $(($1 + k % 2)) 500); done
  xdotool "${moves[@]}"
}

game_start
game_wait_window
xdotool mousemove 300 500
shot menu
game_key h
shot help
game_key b s
sleep 2
game_key b
shot run-day
game_key b n r   # night, from the top again
sleep 3
game_key b
shot run-night
game_key b n r   # day, from the top again
watch_bar e4231a 0.3 0.7    # the landing approach: red bar and balance panel
game_key b
shot jump
game_key b
sleep 30
game_key r
sleep 3
xdotool mousedown 3
watch_bar 0055ea 0.3 0.7    # the quarter spin of the crash test
xdotool mousemove 301 500
drag 557 36
watch_bar 0055ea 0.51 0.62
drag 45 36
sleep 3
xdotool mouseup 3
sleep 25
shot crash
game_quit_from_run
