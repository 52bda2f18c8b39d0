#!/usr/bin/env bash
# A quarter spin dialled in by a drag in the trick window: the landing
# crashes, the rider slides to rest, and "CRASH" is drawn from then on.
#
# The player watches the HUD's timing bar, which fills blue while the trick
# window is open, and drags with the right button: the first motion in the
# air sets the drag start, and every further motion adds a spin rate set by
# its offset from that start (10 degrees per second at 256 pixels). At the
# bar's start 75 motions right dial 750 degrees per second; once the bar has
# grown by 12 of its 100 steps (0.06 s of game time: 45 degrees, and a slow
# frame's worth or two more), 75 motions left take the rate back to nothing. The body keeps the
# turn it made in between, about a quarter, and with no rate left the landing
# approach can't turn it back to a landable angle. Each dial is made with the
# game paused (b), so a slow frame can't carry the trick window past it.
set -euo pipefail
source "$QUORVEL_SOURCE/tests/support/game.sh"

watch_bar() {   # watch_bar LEFT RIGHT WHAT: until the blue bar shows between those fractions of the width
  "$game_python" "$game_tests/game/screenwatch.py" 0055ea 240 "$1" 0.88 "$2" 1.0 ||
    fail "no blue timing bar $3 within 240 s"
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
# On a busy machine a slow frame can close the trick window before the pause
# lands; the player then restarts with r and tries again.
paused=0
pause() { game_key b; paused=$((1 - paused)); }   # b toggles the pause
dialled=""
for attempt in 1 2 3; do
  xdotool mousedown 3
  watch_bar 0.3 0.7 "at all"  # the bar appears: the trick window opens
  pause
  # Still blue once paused: the window is open for the dial.
  if "$game_python" "$game_tests/game/screenwatch.py" 0055ea 1 0.3 0.88 0.7 1.0; then
    xdotool mousemove 301 500   # the drag's start point
    drag 557 75
    # The watch starts while the game is still paused, from the bar's length
    # then (a watcher slow to start on a busy machine would miss the moment),
    # and gives up when the bar would pass 0.56 of the width (72 steps), a few
    # slow frames before the window closes. It grows 2.8 pixels a step here.
    "$game_python" "$game_tests/game/screenwatch.py" advance 0055ea 34 0.56 240 0.3 0.88 0.7 1.0 &
    watcher=$!
    sleep 2
    pause
    if wait "$watcher"; then
      pause
      if "$game_python" "$game_tests/game/screenwatch.py" 0055ea 1 0.3 0.88 0.7 1.0; then
        drag 45 75
        pause
        dialled=yes
        break
      fi
    fi
  fi
  echo "attempt $attempt: the trick window closed before the dial; restarting"
  [ "$paused" = 0 ] || pause
  xdotool mouseup 3
  sleep 8
  game_key r
  sleep 3
done
[ -n "$dialled" ] || fail "no trick window long enough for the dial in three rides"
sleep 5
xdotool mouseup 3
"$game_python" "$game_tests/game/screenwatch.py" still 6 240 || fail "the crashed rider never came to rest"
sleep 3
game_running || fail "the game stopped during the run"
game_quit_from_run
game_expect_clean_stderr

trace_frames "$trace"
trace_check quarter-spin-crash
