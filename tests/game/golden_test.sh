#!/usr/bin/env bash
# Golden frames: chosen moments of the recorded demos, drawn by the real game
# at the suite's size and held still (a run paused, or a screen), compared
# with the pictures in tests/game/golden (tests/game/imagediff.py says how
# near). A picture that differs lands in BUILD/golden-failures beside its
# difference image. With --refresh the moments become the new pictures
# (scripts/golden.sh).
set -euo pipefail
# A server of its own: no other test's window may cover the game's.
[ -n "${QUORVEL_OWN_SERVER:-}" ] || QUORVEL_OWN_SERVER=1 exec "$QUORVEL_SOURCE/scripts/with-xserver.sh" bash "$0" "$@"
source "$QUORVEL_SOURCE/tests/support/game.sh"
here=$QUORVEL_SOURCE/tests/game
failures=$QUORVEL_BUILD/golden-failures
rm -rf "$failures"
wrong=()

# golden NAME DEMO FRAME [SED]: that moment against its picture.
golden() {
  shoot "$work/$1.png" "$demos/$2.demo" "$3" "${4:-}" --window 320x256 -geometry +0+0
  if [ "${refresh:-}" = --refresh ]; then
    cp "$work/$1.png" "$here/golden/$1.png"
  elif ! /usr/bin/python3 "$here/imagediff.py" "$work/$1.png" "$here/golden/$1.png" "$failures"; then
    wrong+=("$1")
  fi
}
refresh=${1:-}
take_off=$(frame_where "$demos/straight.demo" '$5 == "air"')
finish=$(($(grep -c '^frame' "$demos/straight.demo") - 3))
golden menu screens 2
golden help screens "$(frame_where "$demos/screens.demo" '$2 == "help"')"
golden start straight 20
golden night-lip straight $((take_off - 2)) '/^key 115$/a key 110'
golden flight spin360 $(($(frame_where "$demos/spin360.demo" '$5 == "approach"') + 8))
# Sliding, the spray flying and no CRASH yet; then at rest with it.
golden crash-slide quarter $(($(frame_where "$demos/quarter.demo" '$5 == "crash"') + 20))
golden crash quarter $(($(frame_where "$demos/quarter.demo" '$5 == "crash" && $12 == 0') + 30))
golden finish straight $finish
# The camera turned round behind the rider, 22 steps of 4 degrees: the end wall.
golden end-wall straight $finish "/^key 115\$/a $(printf 'key 97\\n%.0s' $(seq 21))key 97"
[ ${#wrong[@]} -eq 0 ] || fail "golden frames that differ: ${wrong[*]}"
