#!/usr/bin/env bash
# A quarter spin dialled in by a drag in the trick window: the landing
# crashes, the rider slides to rest, and "CRASH" is drawn from then on.
#
# The player watches the HUD's timing bar, which fills blue while the trick
# window is open, and drags with the right button: the first motion in the
# air sets the drag start, and every further motion adds a spin rate set by
# its offset from that start (10 degrees per second at 256 pixels). At the
# bar's start 36 motions right dial 360 degrees per second; once the bar is
# half full, 36 motions left take the rate back to nothing. The body keeps the
# turn it made in between, about a quarter, and with no rate left the landing
# approach can't turn it back to a landable angle. Each dial is made with the
# game paused (b), so a slow frame can't carry the trick window past it.
set -euo pipefail
source "$QUORVEL_SOURCE/tests/support/game.sh"

watch_bar() {   # watch_bar LEFT RIGHT: until the blue bar shows between those fractions of the width
  "$game_python" "$game_tests/game/screenwatch.py" 0055ea 60 "$1" 0.88 "$2" 1.0 ||
    fail "no blue timing bar within 60 s"
}
drag() {        # drag X COUNT: COUNT motion events about X with the button held
  local moves=() k
  for k in $(seq "$2"); do moves+=(mousemove $(($1 + k % 2)) 500); done
  xdotool "${moves[@]}"
}

trace="$game_dir/quarter.trace"
game_start "$trace"
game_wait_window
sleep 1
xdotool mousemove 300 500
sleep 0.5
game_key s
sleep 5
xdotool mousedown 3
watch_bar 0.3 0.7           # the bar appears: the trick window opens
game_key b
xdotool mousemove 301 500   # the drag's start point
drag 557 36
game_key b
watch_bar 0.51 0.62         # half full
game_key b
drag 45 36
game_key b
sleep 5
xdotool mouseup 3
"$game_python" "$game_tests/game/screenwatch.py" still 6 240 || fail "the crashed rider never came to rest"
sleep 3
game_running || fail "the game stopped during the run"
game_quit_from_run
game_expect_clean_stderr

trace_frames "$trace"
trace_check quarter-spin-crash
