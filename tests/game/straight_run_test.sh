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
# A run lasts about 85 s at the few frames a second of a traced sanitizer
# build, longer on a busier machine: wait for the picture to stand still.
"$game_python" "$game_tests/game/screenwatch.py" still 6 300 || fail "the rider never came to rest"
sleep 3
game_running || fail "the game stopped during the run"
game_quit_from_run
game_expect_clean_stderr

trace_frames "$trace"
trace_check straight-run
