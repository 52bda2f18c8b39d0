#!/usr/bin/env bash
# Demos played off the beaten path: in a window of another shape (the pointer
# scaled, so every click finds its button, and one warning), and with the
# player's keys and pointer busy while a demo plays: ignored until Escape
# hands the game over. Waits only on what the game writes down.
set -euo pipefail
[ -n "${QUORVEL_OWN_SERVER:-}" ] || QUORVEL_OWN_SERVER=1 exec "$QUORVEL_SOURCE/scripts/with-xserver.sh" bash "$0"
source "$QUORVEL_SOURCE/tests/support/game.sh"

# Any state that differs from the recording would add a line of its own.
play "$QUORVEL_DATA" --window 640x256 --timedemo "$demos/screens.demo"
[ "$status" = 0 ] && [ "$(wc -l <"$work/stderr")" = 1 ] &&
  grep -q "screens.demo was recorded in a 320x256 window and plays in 640x256" "$work/stderr" ||
  fail "screens.demo at 640x256 did not repeat its screens with one warning"

game_start --window 320x256 --play "$demos/straight.demo"
xdotool search --sync --onlyvisible --name '^Quorvel$' >/dev/null
wait_for '^state run'
xdotool mousemove 100 100 key n b q r
for _ in $(seq 30); do wait_for '^state'; done
xdotool key Escape n
wait_for '^state run night'
xdotool key q q
game_end
# The demo's s, then only the keys after Escape: none while it played, and not the demo's own q at its end.
keys=$(grep '^key' "$recording" | cut -d' ' -f2 | tr '\n' ' ')
[ "$status" = 0 ] && [ ! -s "$work/stderr" ] && [ "$keys" = "115 110 113 113 " ] ||
  fail "keys during the playback: exit code $status, keys recorded $keys"
echo "played at 640x256 with one warning; keys ignored while straight.demo played, then Escape handed it over"
