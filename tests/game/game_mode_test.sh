#!/usr/bin/env bash
# The game on a real X server, Xorg with the dummy video driver, rather than
# Xvfb, which can't switch modes:
# - on a 1024x768 screen offering 1280x1024, the game either switches to it
#   (game mode: the screen is 1280x1024 while it runs) or, where the server
#   offers the mode but refuses the switch (this dummy driver does), plays
#   in a full-screen window instead of dying of the X error, and the
#   keyboard still reaches it; either way the screen is back at its own
#   size afterwards; without 1280x1024, the game plays full screen;
# - on a server that switches (a 1600x1200 desktop offering 1280x1024):
#   with --fullscreen the game plays at the desktop's 1600x1200 and never
#   switches; game mode switches the display to 1280x1024 while the game
#   runs, and the desktop's mode is back after a crash (SIGSEGV: the
#   sanitizer's report or the signal itself) and after SIGKILL, which the
#   server would leave as they were.
set -euo pipefail
source "$QUORVEL_SOURCE/tests/support/game.sh"
command -v Xorg >/dev/null || fail "Xorg is not installed (xserver-xorg-core)"
screen_size() { xdpyinfo | awk '/dimensions:/ && !done { print $2; done = 1 }'; }
mode() { xvidtune -show | awk 'NF { print $3 "x" $7; exit }'; }

case ${QUORVEL_XORG_CASE:-} in
  offers | lacks)
    before=$(screen_size)
    [ "$before" = 1024x768 ] || fail "the dummy screen starts at $before"
    game_start
    wait_for '^state menu'
    during=$(screen_size) window=$(window_of "$recording.part")
    echo "$QUORVEL_XORG_CASE: screen $before, $during while the game runs in its $window window"
    [ "$QUORVEL_XORG_CASE $during $window" = "offers 1280x1024 1280x1024" ] ||
      [ "$during $window" = "$before $before" ] || fail "$QUORVEL_XORG_CASE: the screen at $during for a $window window"
    xdotool mousemove 100 100 key q && wait_for '^key 113' && game_end
    expect_clean "$QUORVEL_XORG_CASE: quitting"
    [ "$(screen_size)" = "$before" ] || fail "the screen stays at $(screen_size) after quitting"
    exit 0 ;;
  switches)
    [ "$(mode)" = 1600x1200 ] || fail "the dummy desktop starts at $(mode)"
    game_start --fullscreen
    wait_for '^state menu'
    [ "$(mode)" = 1600x1200 ] && [ "$(window_of "$recording.part")" = 1600x1200 ] ||
      fail "--fullscreen: the display at $(mode) for a $(window_of "$recording.part") window"
    kill "$game" && game_end
    for signal in SEGV KILL; do
      game_start
      wait_for '^state menu'
      [ "$(mode)" = 1280x1024 ] || fail "game mode: the display at $(mode)"
      kill -$signal "$game" && game_end
      [ "$status" = $((128 + $(kill -l $signal))) ] || grep -q 'AddressSanitizer: SEGV' "$work/stderr" ||
        fail "SIG$signal: exit code $status"
      # Put back once the game's end reaches its guard.
      for _ in $(seq 300); do [ "$(mode)" = 1600x1200 ] && break || sleep 0.1; done
      [ "$(mode)" = 1600x1200 ] || fail "the display stays at $(mode) 30 s after SIG$signal"
    done
    echo "--fullscreen at the desktop's 1600x1200; game mode at 1280x1024, back after SIGSEGV and SIGKILL"
    exit 0 ;;
esac

conf="$(dirname "$0")/xorg-dummy.conf"
sed 's/@MODES@/"1024x768" "1280x1024"/' "$conf" >"$work/offers.conf"
sed 's/@MODES@/"1024x768" "800x600"/' "$conf" >"$work/lacks.conf"
sed -e 's/@MODES@/"1600x1200" "1280x1024"/' -e 's/Virtual 1280 1024/Virtual 1600 1200/' \
  -e '/Modeline "1280x1024"/i\  Modeline "1600x1200" 162.00 1600 1664 1856 2160 1200 1201 1204 1250 +hsync +vsync' \
  "$conf" >"$work/switches.conf"
for case in offers lacks switches; do
  QUORVEL_XORG_CASE=$case "$QUORVEL_SOURCE/scripts/with-xserver.sh" --xorg "$work/$case.conf" bash "$0" ||
    fail "on the Xorg that $case"
done
