#!/usr/bin/env bash
# A whole session with every control used, run with MESA_DEBUG=1: Mesa then
# reports each OpenGL error on stderr ("Mesa: User error: ..."), and any
# such line, or any sanitizer report, fails the test. Menu and help, a run
# steered both ways with the camera turned and moved, night lighting, a
# pause, a spin and flip dialled in the air, the landing or crash and its
# rest, a restart, and quitting.
set -euo pipefail
source "$QUORVEL_SOURCE/tests/support/game.sh"

game_env=(MESA_DEBUG=1)
game_start
game_wait_window
sleep 1
game_key h
sleep 1
game_key b
sleep 1
xdotool mousemove 640 500
game_key s
sleep 2
for x in 600 560 600 680 720 640; do xdotool mousemove "$x" 500; sleep 0.3; done
game_key d d d a w w s n
sleep 2
game_key b
sleep 1
game_key b
xdotool mousedown 3
# The drag is dialled in the trick window when the watcher catches it; on a
# slow, busy machine it may be missed, and the session goes on regardless:
# what this test judges is the GL error stream.
"$game_python" "$game_tests/game/screenwatch.py" 0055ea 90 0.3 0.88 0.7 1.0 ||
  echo "note: trick window not seen; the drag lands outside it"
xdotool mousemove 641 501 mousemove 900 700 mousemove 901 701 mousemove 900 700
sleep 3
xdotool mouseup 3
for x in 600 680 640; do xdotool mousemove "$x" 500; sleep 0.2; done
sleep 40
game_running || fail "the game stopped during the run"
game_key r
sleep 3
game_key n q
sleep 1
game_key h b q
game_wait_exit 30
[ "$game_exit_code" = 0 ] || fail "quitting gave exit code $game_exit_code"
game_expect_clean_stderr
echo "no GL error and no sanitizer report in a whole session"
