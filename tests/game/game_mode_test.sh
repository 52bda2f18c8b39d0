#!/usr/bin/env bash
# The game on a real X server, Xorg with the dummy video driver, rather than
# Xvfb, which can't switch modes. The screen starts at 1024x768:
# - offering 1280x1024, the game either switches to it (game mode: the
#   screen is 1280x1024 while it runs) or, where the server offers the mode
#   but refuses the switch (this dummy driver does), plays in a full-screen
#   window instead of dying of the X error, and the keyboard still reaches
#   it; either way the screen is back at its own size afterwards;
# - without 1280x1024, the game plays full screen.
set -euo pipefail
source "$QUORVEL_SOURCE/tests/support/game.sh"
command -v Xorg >/dev/null || fail "Xorg is not installed (xserver-xorg-core)"

screen_size() { xdpyinfo | awk '/dimensions:/ && !done { print $2; done = 1 }'; }

# On the Xorg in DISPLAY: the game's window and the screen while it runs,
# and q reaching it.
check_on_this_server() {
  local before during window
  before=$(screen_size)
  [ "$before" = 1024x768 ] || fail "the dummy screen starts at $before"
  game_start
  wait_for '^state menu'
  during=$(screen_size)
  window=$(awk '/^window/ { print $2 "x" $3; exit }' "$recording.part")
  echo "$1: screen $before, $during while the game runs in its $window window"
  if [ "$during" = 1280x1024 ]; then
    [ "$1" = offers ] && [ "$window" = 1280x1024 ] || fail "$1: a switch to $during for a $window window"
  else
    [ "$during" = "$before" ] && [ "$window" = "$before" ] || fail "$1: not full screen"
  fi
  xdotool mousemove 100 100 key q
  wait_for '^key 113'
  game_end
  [ "$status" = 0 ] || fail "$1: quitting gave exit code $status"
  [ ! -s "$work/stderr" ] || fail "$1: the game wrote to stderr"
  [ "$(screen_size)" = "$before" ] || fail "$1: the screen stays at $(screen_size) after quitting"
}

if [ -n "${QUORVEL_XORG_CASE:-}" ]; then
  check_on_this_server "$QUORVEL_XORG_CASE"
  exit 0
fi

for case in offers lacks; do
  modes='"1024x768" "800x600"'
  [ "$case" = offers ] && modes='"1024x768" "1280x1024"'
  sed "s/@MODES@/$modes/" "$(dirname "$0")/xorg-dummy.conf" >"$work/$case.conf"
  QUORVEL_XORG_CASE=$case "$QUORVEL_SOURCE/scripts/with-xserver.sh" --xorg "$work/$case.conf" bash "$0" ||
    fail "on an Xorg that $case 1280x1024"
done
