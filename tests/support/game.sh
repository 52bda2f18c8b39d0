# Shell support for the tests that run the real game: run it from a data
# folder, wait on what it writes, fail with what it said. Source it from a
# *_test.sh; it needs QUORVEL_BIN and QUORVEL_DATA (ctest sets them), and
# DISPLAY (./test runs everything under scripts/with-xserver.sh).
work=$(mktemp -d)
game=""
trap 'game_stop; rm -rf "$work"' EXIT
short_demo="$QUORVEL_SOURCE/tests/support/short.demo"
demos="$QUORVEL_SOURCE/tests/game/demos"

fail() {
  echo "FAIL: $*" >&2
  local file
  for file in "$work/stdout" "$work/stderr" "${recording:-}"; do
    [ -s "$file" ] && { echo "--- $(basename "$file")"; tail -n 20 "$file"; } >&2
  done
  exit 1
}

# play DIR ARGS...: runs the game from DIR until it ends (its data is the one
# QUORVEL_DATA names); its exit code goes to status, its output to
# $work/stdout and $work/stderr.
play() {
  local dir=$1
  shift
  status=0
  (cd "$dir" && exec "$QUORVEL_BIN" "$@") >"$work/stdout" 2>"$work/stderr" || status=$?
}

# expect_clean WHAT: the game ended with exit code 0 and wrote nothing to
# stderr (no sanitizer report, no GL error, no word about a demo).
expect_clean() {
  [ "$status" = 0 ] || fail "$1: exit code $status"
  [ ! -s "$work/stderr" ] || fail "$1: the game wrote to stderr"
}

window_of() { awk '/^window/ { print $2 "x" $3; exit }' "$1"; }   # window_of DEMO: its WxH

# replays_alike WHAT DEMO: the demo played as a timed demo in a window of its
# size goes through the same states, cleanly.
replays_alike() {
  play "$QUORVEL_DATA" --window "$(window_of "$2")" --timedemo "$2" --record "$work/replayed.demo"
  expect_clean "$1: the playback"
  cmp -s <(grep '^state' "$2") <(grep '^state' "$work/replayed.demo") || fail "$1: the playback's states differ"
}

# game_start ARGS...: the game in the background, recording to $recording
# (an older one removed: it would be waited on until the new one begins).
recording="$work/recording.demo"
game_start() {
  rm -f "$recording" "$recording.part"
  (cd "$QUORVEL_DATA" && exec "$QUORVEL_BIN" "$@" --record "$recording") >"$work/stdout" 2>"$work/stderr" &
  game=$!
  seen=0
}

game_stop() { [ -z "$game" ] || kill "$game" 2>/dev/null || true; game=""; }

# game_end: waits for the running game to end by itself; status as play's.
game_end() {
  status=0
  wait "$game" || status=$?
  game=""
}

# wait_for PATTERN: until a line of the recording written after the last one
# waited for matches (the recording goes to its .part, flushed at least once
# a second, until the game ends and moves it into place).
wait_for() {
  local at alive file
  for _ in $(seq 1200); do
    alive=0 file="$recording.part"
    kill -0 "$game" 2>/dev/null && alive=1
    [ -e "$file" ] || file=$recording
    at=$(tail -n +$((seen + 1)) "$file" 2>/dev/null | grep -n -m1 -- "$1" | cut -d: -f1 || true)
    [ -z "$at" ] || { seen=$((seen + at)) && return 0; }
    [ "$alive" = 1 ] || fail "the game ended while waiting for '$1'"
    sleep 0.1
  done
  fail "no '$1' in the recording after 120 s"
}

# frame_where DEMO AWK_TEST: the first frame whose state passes the test ($2
# is the screen, $5 the phase, $12 the speed; see docs/demos.md).
frame_where() { awk "/^frame/ { n++ } /^state/ && ($2) { print n; exit }" "$1"; }

# shoot PNG DEMO FRAME SED GAME_ARGS...: the demo (edited by SED, its states
# dropped) played up to FRAME, a run paused there; the game's window shot
# once three more frames have shown the moment standing still (the
# floodlights take the view a frame late).
shoot() {
  local png=$1 demo=$2 frame=$3 edit=$4 screen still
  shift 4
  screen=$(awk -v at="$frame" '/^frame/ { n++ } /^state/ && n == at { print $2 }' "$demo")
  still="^state $screen "
  sed -e "$edit" -e '/^state/d' "$demo" |
    awk -v last="$frame" '!done { print } /^frame/ && ++n == last { done = 1 }' >"$work/cut.demo"
  if [ "$screen" = run ]; then
    echo "key 98" >>"$work/cut.demo"
    still="^state run [a-z]* paused"
  fi
  # Frames enough to outlast any wait for the shot; the game is stopped after it.
  awk 'BEGIN { while (n++ < 20000) print "frame 30" }' >>"$work/cut.demo"
  game_start "$@" --timedemo "$work/cut.demo"
  for _ in 1 2 3; do wait_for "$still"; done
  import -silent -window "$(xdotool search --onlyvisible --name '^Quorvel$')" -strip \
    -define png:exclude-chunks=date,time "$png"
  kill "$game" && wait "$game" 2>/dev/null || true
  game=""
}
