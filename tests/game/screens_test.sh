#!/usr/bin/env bash
# The screens as a player moves between them: h and b, the Start, Help and
# Back buttons by click, q from the run back to the menu and q in the menu to
# quit with exit code 0. Each screen is told apart in the trace by the picture
# it binds, the run by the rider drawn.
set -euo pipefail
source "$QUORVEL_SOURCE/tests/support/game.sh"

trace="$game_dir/screens.trace"
game_start "$trace"
game_wait_window
sleep 2
game_key h
sleep 2
game_key b
sleep 2
game_click_at 0.32 0.487   # Start
sleep 4
game_key q
sleep 2
game_click_at 0.32 0.634   # Help
sleep 2
game_click_at 0.32 0.83    # Back
sleep 2
game_key q
game_wait_exit 30
[ "$game_exit_code" = 0 ] || fail "q in the menu gave exit code $game_exit_code"
game_expect_clean_stderr

trace_frames "$trace"
trace_check screens
