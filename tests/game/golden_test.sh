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
refresh=${1:-}
rm -rf "$failures"
wrong=()

# frame_where DEMO AWK_TEST: the first frame whose state passes the test ($2
# is the screen, $5 the phase, $12 the speed; see docs/demos.md).
frame_where() { awk "/^frame/ { n++ } /^state/ && ($2) { print n; exit }" "$1"; }

# shoot NAME DEMO FRAME [SED]: the demo (edited by SED) up to FRAME, a run
# paused there; shot once three more frames have shown the moment standing
# still (the floodlights take the view a frame late).
shoot() {
  local name=$1 demo=$2 frame=$3 screen still
  screen=$(awk -v at="$frame" '/^frame/ { n++ } /^state/ && n == at { print $2 }' "$demo")
  still="^state $screen "
  sed -e "${4:-}" -e '/^state/d' "$demo" | awk -v last="$frame" '!done { print } /^frame/ && ++n == last { done = 1 }' >"$work/cut.demo"
  if [ "$screen" = run ]; then
    echo "key 98" >>"$work/cut.demo"
    still="^state run [a-z]* paused"
  fi
  # Frames enough to outlast any wait for the shot; the game is stopped after it.
  awk 'BEGIN { while (n++ < 20000) print "frame 30" }' >>"$work/cut.demo"
  rm -f "$recording"*
  game_start --window 320x256 -geometry +0+0 --timedemo "$work/cut.demo"
  for _ in 1 2 3; do wait_for "$still"; done
  import -silent -window "$(xdotool search --onlyvisible --name '^Quorvel$')" -strip \
    -define png:exclude-chunks=date,time "$work/$name.png"
  local pid=$game
  game_stop
  wait "$pid" 2>/dev/null || true
  if [ "$refresh" = --refresh ]; then
    cp "$work/$name.png" "$here/golden/$name.png"
  elif ! /usr/bin/python3 "$here/imagediff.py" "$work/$name.png" "$here/golden/$name.png" "$failures"; then
    wrong+=("$name")
  fi
}

straight=$here/demos/straight.demo
take_off=$(frame_where "$straight" '$5 == "air"')
shoot menu "$here/demos/screens.demo" 2
shoot help "$here/demos/screens.demo" "$(frame_where "$here/demos/screens.demo" '$2 == "help"')"
shoot start "$straight" 20
shoot night-lip "$straight" $((take_off - 2)) '/^key 115$/a key 110'
shoot flight "$here/demos/spin360.demo" $(($(frame_where "$here/demos/spin360.demo" '$5 == "approach"') + 8))
shoot crash "$here/demos/quarter.demo" $(($(frame_where "$here/demos/quarter.demo" '$5 == "crash" && $12 == 0') + 30))
finish=$(($(grep -c '^frame' "$straight") - 3))
shoot finish "$straight" $finish
# The camera turned round behind the rider, 22 steps of 4 degrees: the end wall.
shoot end-wall "$straight" $finish "/^key 115\$/a $(printf 'key 97\\n%.0s' $(seq 21))key 97"
[ ${#wrong[@]} -eq 0 ] || fail "golden frames that differ: ${wrong[*]}"
