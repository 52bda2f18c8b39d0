#!/usr/bin/env bash
# The real game starts on a display without mode switching (the full-screen
# fallback), keeps drawing frames until stopped, and quits cleanly from the
# menu, by key and by the Quit button, with nothing on stderr from the
# sanitizers.
set -euo pipefail
source "$QUORVEL_SOURCE/tests/support/game.sh"

trace="$game_dir/startup.trace"
game_start "$trace"
game_wait_window
sleep 3
game_running || fail "the game stopped by itself"
game_key q
game_wait_exit 20
[ "$game_exit_code" = 0 ] || fail "quit from the menu gave exit code $game_exit_code"
game_expect_clean_stderr

trace_dump "$trace"
frames=$(grep -c glXSwapBuffers "$game_dir/calls.txt" || true)
echo "frames traced in about 3 s: $frames"
[ "$frames" -ge 10 ] || fail "only $frames frames drawn"
# Start-up order: the game-wide GL state is set before the first frame.
first_swap=$(grep -n -m1 glXSwapBuffers "$game_dir/calls.txt" | cut -d: -f1)
cull=$(grep -n -m1 'glCullFace(mode = GL_FRONT)' "$game_dir/calls.txt" | cut -d: -f1)
[ -n "$cull" ] && [ "$cull" -lt "$first_swap" ] || fail "start-up state not set before the first frame"
echo "startup: ok"

# The menu's Quit button ends the game the same way.
game_start
game_wait_window
sleep 1
game_click_at 0.32 0.83
game_wait_exit 20
[ "$game_exit_code" = 0 ] || fail "the Quit button gave exit code $game_exit_code"
game_expect_clean_stderr
echo "quit button: ok"
