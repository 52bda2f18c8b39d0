#!/usr/bin/env bash
# On a server that switches modes (Xorg's dummy driver with a 1600x1200
# desktop, offering 1280x1024): with --fullscreen the game plays at the
# desktop's 1600x1200 and never switches; game mode switches the display to
# 1280x1024 while the game runs, and the desktop's mode is back after a
# crash (SIGSEGV: the sanitizer's report or the signal itself) and after
# SIGKILL, which the server would leave as they were.
set -euo pipefail
source "$QUORVEL_SOURCE/tests/support/game.sh"
command -v Xorg >/dev/null || fail "Xorg is not installed (xserver-xorg-core)"

mode() { xvidtune -show | awk 'NF { print $3 "x" $7; exit }'; }
# The game, once the last one has ended and its recording is gone: wait_for
# would read that one until the new one's begins.
next_game() {
  rm -f "$recording"
  game_start "$@"
}

if [ -n "${QUORVEL_XORG_CASE:-}" ]; then
  [ "$(mode)" = 1600x1200 ] || fail "the dummy desktop starts at $(mode)"
  next_game --fullscreen
  wait_for '^state menu'
  [ "$(mode)" = 1600x1200 ] && grep -q '^window 1600 1200' "$recording.part" ||
    fail "--fullscreen: the display at $(mode) for a $(awk '/^window/ { print $2 "x" $3 }' "$recording.part") window"
  kill "$game"
  game_end
  for signal in SEGV KILL; do
    next_game
    wait_for '^state menu'
    [ "$(mode)" = 1280x1024 ] || fail "game mode: the display at $(mode)"
    kill -$signal "$game"
    game_end
    [ "$status" = $((128 + $(kill -l $signal))) ] || grep -q 'AddressSanitizer: SEGV' "$work/stderr" ||
      fail "SIG$signal: exit code $status"
    # Put back once the game's end reaches its guard.
    for _ in $(seq 300); do [ "$(mode)" = 1600x1200 ] && break || sleep 0.1; done
    [ "$(mode)" = 1600x1200 ] || fail "the display stays at $(mode) 30 s after SIG$signal"
  done
  echo "--fullscreen at the desktop's 1600x1200; game mode at 1280x1024, back at 1600x1200 after SIGSEGV and SIGKILL"
  exit 0
fi

sed -e 's/@MODES@/"1600x1200" "1280x1024"/' -e 's/Virtual 1280 1024/Virtual 1600 1200/' \
  -e '/Modeline "1280x1024"/i\  Modeline "1600x1200" 162.00 1600 1664 1856 2160 1200 1201 1204 1250 +hsync +vsync' \
  "$(dirname "$0")/xorg-dummy.conf" >"$work/switches.conf"
QUORVEL_XORG_CASE=1 "$QUORVEL_SOURCE/scripts/with-xserver.sh" --xorg "$work/switches.conf" bash "$0"
