#!/usr/bin/env bash
# The run keys: n switches to night (light 0 off, the floodlights' lights 1
# to 7 on) and back; r puts the rider back at the start, and night stays on;
# b freezes the rider's pose and b again lets it go on; q from a night run
# returns to the menu by day. Read from the trace: the lights' enable state
# at each frame's end and the rider's pose.
set -euo pipefail
source "$QUORVEL_SOURCE/tests/support/game.sh"

trace="$game_dir/keys.trace"
game_start "$trace"
game_wait_window
sleep 1
game_key s
sleep 4
game_key n      # night
sleep 3
game_key r      # back to the top, still at night
sleep 3
game_key n      # day
sleep 2
game_key b      # frozen
sleep 3
game_key b      # moving again
sleep 3
game_key n      # night
sleep 2
game_key q      # the menu, by day
sleep 2
game_key q
game_wait_exit 30
[ "$game_exit_code" = 0 ] || fail "q in the menu gave exit code $game_exit_code"
game_expect_clean_stderr

trace_frames "$trace"
trace_check lights-pause-restart
