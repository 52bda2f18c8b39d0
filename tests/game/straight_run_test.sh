#!/usr/bin/env bash
# A run with no input at all: the rider comes down the slope, takes off at
# the kicker's lip, flies, lands cleanly, rides on and comes to rest at the
# finish fence, and "CRASH" is never drawn. The pose is read from the trace.
set -euo pipefail
source "$QUORVEL_SOURCE/tests/support/game.sh"

trace="$game_dir/straight.trace"
game_start "$trace"
game_wait_window
sleep 1
game_key s
# The simulation keeps to the clock whatever the frame rate: a run lasts
# about 85 s of wall time.
sleep 100
game_running || fail "the game stopped during the run"
game_quit_from_run
game_expect_clean_stderr

trace_frames "$trace"
trace_check straight-run
