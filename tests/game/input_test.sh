#!/usr/bin/env bash
# Real input, as XTEST events bring a player's keys and pointer. Waits only
# on what the game writes down.
# - A run pauses when its window loses the keyboard to another program's
#   window, and when it is covered, full screen (--fullscreen) and in a
#   window alike; b goes on as ever, and steering, night, pause and restart
#   each take effect. The pauses reach the recording as the b they stand
#   for, so the recording plays back through the same states.
# - While a demo plays (--play), the player's keys and pointer are ignored
#   until Escape hands the game over.
set -euo pipefail
# A server of its own: no other test's window takes the keyboard or covers the game.
[ -n "${QUORVEL_OWN_SERVER:-}" ] ||
  QUORVEL_OWN_SERVER=1 exec "$QUORVEL_SOURCE/scripts/with-xserver.sh" --size 800x600 bash "$0"
source "$QUORVEL_SOURCE/tests/support/game.sh"
others=()
trap 'game_stop; for o in "${others[@]}"; do kill "$o" 2>/dev/null || true; done; rm -rf "$work"' EXIT

# another NAME GEOMETRY: a window of another program (xev), mapped; its id in $other.
another() {
  xev -name "$1" -geometry "$2" >/dev/null &
  others+=($!)
  other=$(xdotool search --sync --onlyvisible --name "^$1\$" | head -1)
}
# keys KEY:PATTERN...: each key pressed, and its effect waited for, before the next.
keys() { for step; do xdotool key "${step%%:*}" && wait_for "${step#*:}"; done; }
focused_game() { game_window=$(xdotool search --sync --onlyvisible --name '^Quorvel$' | head -1)
  xdotool windowfocus --sync "$game_window"; }

for screen in --fullscreen "--window 320x256"; do
  game_start $screen
  focused_game
  wait_for '^state menu'
  keys "s:^state run day running"
  another other 100x100+690+490
  xdotool windowfocus --sync "$other"
  wait_for '^state run day paused'
  xdotool windowfocus --sync "$game_window"
  keys "b:^state run day running"
  # The game keeps the keyboard while another window is mapped over it, and
  # draws nothing until it is uncovered.
  eval "$(xdotool getwindowgeometry --shell "$game_window")"
  another cover "${WIDTH}x${HEIGHT}+${X}+${Y}"
  kill "${others[@]}"
  others=()
  wait_for '^state run day paused'
  keys "b:^state run day running"
  for x in 150 140 130 120; do xdotool mousemove $((X + x)) $((Y + 128)); done   # steering
  for _ in 1 2 3 4; do wait_for '^move '; done
  keys "n:^state run night" "b:^state run night paused" "b:^state run night running" "r:^key 114" "q:^state menu day"
  xdotool key q
  game_end
  expect_clean "$screen"
  [ "$(grep -c '^key 98' "$recording")" = 6 ] || fail "$screen: b four times and two pauses are not six b keys"
  replays_alike "$screen" "$recording"
  echo "$screen ($(window_of "$recording")): paused by another window's focus and by a cover; played back alike"
done

game_start --window 320x256 --play "$demos/straight.demo"
focused_game
wait_for '^state run'
eval "$(xdotool getwindowgeometry --shell "$game_window")"
xdotool mousemove $((X + 100)) $((Y + 100)) key n b q r
for _ in $(seq 30); do wait_for '^state'; done
xdotool key Escape n
wait_for '^state run night'
xdotool key q q
game_end
# The demo's s, then only the keys after Escape: none while it played, and not the demo's own q at its end.
keys=$(grep '^key' "$recording" | cut -d' ' -f2 | tr '\n' ' ')
[ "$status" = 0 ] && [ ! -s "$work/stderr" ] && [ "$keys" = "115 110 113 113 " ] ||
  fail "keys during the playback: exit code $status, keys recorded $keys"
echo "keys ignored while straight.demo played, then Escape handed it over"
