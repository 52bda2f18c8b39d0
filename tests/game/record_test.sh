#!/usr/bin/env bash
# Records a session from real input (XTEST events, as a player's keys and
# mouse arrive) and plays the recording back: every frame of the playback
# repeats the recorded state. Waits only on what the game writes down.
set -euo pipefail
# A server of its own, so no other test's window takes the keyboard.
[ -n "${QUORVEL_OWN_SERVER:-}" ] || QUORVEL_OWN_SERVER=1 exec "$QUORVEL_SOURCE/scripts/with-xserver.sh" bash "$0"
source "$QUORVEL_SOURCE/tests/support/game.sh"

game_start --window 320x256
xdotool search --sync --onlyvisible --name '^Quorvel$' >/dev/null
xdotool mousemove 160 128   # keys go to the window under the pointer
wait_for '^state menu'
xdotool key s
wait_for '^state run day running ride'
for x in 150 140 130 120; do xdotool mousemove "$x" 128; done   # steering
for _ in 1 2 3 4; do wait_for '^move '; done
# Each key's effect is seen before the next: night, pause, go on, restart.
for step in "n:^state run night" "b:^state run night paused" "b:^state run night running" "r:^key 114" \
  "q:^state menu day"; do
  xdotool key "${step%%:*}"
  wait_for "${step#*:}"
done
xdotool key q
game_end
expect_clean "q in the menu"

replays_alike "the recording" "$recording"
echo "recorded $(grep -c '^state' "$recording") frames with $(grep -c -E '^(key|move|drag|button)' "$recording")" \
  "input events; played back alike: $(cat "$work/stdout")"
