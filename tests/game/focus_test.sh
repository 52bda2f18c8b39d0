#!/usr/bin/env bash
# A run pauses when its window loses the keyboard to another program's
# window, and when it is covered, full screen (--fullscreen) and in a
# window alike; b goes on as ever. The pause reaches the recording as the b
# it stands for, so the recording plays back the same. Waits only on what
# the game writes down.
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

for screen in --fullscreen "--window 320x256"; do
  game_start $screen
  game_window=$(xdotool search --sync --onlyvisible --name '^Quorvel$' | head -1)
  xdotool windowfocus --sync "$game_window"
  wait_for '^state menu'
  xdotool key s
  wait_for '^state run day running'
  another other 100x100+690+490
  xdotool windowfocus --sync "$other"
  wait_for '^state run day paused'
  xdotool windowfocus --sync "$game_window" key b
  wait_for '^state run day running'
  # The game keeps the keyboard while another window is mapped over it, and
  # draws nothing until it is uncovered.
  eval "$(xdotool getwindowgeometry --shell "$game_window")"
  another cover "${WIDTH}x${HEIGHT}+${X}+${Y}"
  kill "${others[@]}"
  others=()
  wait_for '^state run day paused'
  xdotool key b
  wait_for '^state run day running'
  xdotool key q
  wait_for '^state menu'
  xdotool key q
  game_end
  expect_clean "$screen"
  [ "$(grep -c '^key 98' "$recording")" = 4 ] || fail "$screen: b twice and two pauses are not four b keys"
  replays_alike "$screen" "$recording"
  echo "$screen ($(window_of "$recording")): paused by another window's focus and by a cover; played back alike"
done
