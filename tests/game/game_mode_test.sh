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
  window=$(awk '/^window/ { print $2 "x" $3; exit }' "$recording")
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
  cat >"$work/$case.conf" <<CONF
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "DontVTSwitch" "true"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 65536
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0 - 1000.0
  VertRefresh 5.0 - 200.0
  Modeline "1280x1024" 108.00 1280 1328 1440 1688 1024 1025 1028 1066 +hsync +vsync
  Modeline "1024x768" 65.00 1024 1048 1184 1344 768 771 777 806 -hsync -vsync
  Modeline "800x600" 40.00 800 840 968 1056 600 601 605 628 +hsync +vsync
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Modes $modes
    Virtual 1280 1024
  EndSubSection
EndSection
CONF
  QUORVEL_XORG_CASE=$case "$QUORVEL_SOURCE/scripts/with-xserver.sh" --xorg "$work/$case.conf" bash "$0" ||
    fail "on an Xorg that $case 1280x1024"
done
