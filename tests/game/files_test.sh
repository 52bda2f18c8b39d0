#!/usr/bin/env bash
# The player's files stay safe:
# - a recording goes to NAME.part and takes NAME's place only when the game
#   ends: a start that fails or a SIGKILL leaves an older NAME as it was (and
#   the killed game's .part plays to its last whole frame), SIGTERM keeps
#   the recording and still ends the game by the signal, as SIGHUP does;
# - a recording that can't be written says so once and gives exit code 3;
# - an option never takes the next option for its file name;
# - the game plays on its own data, not on a stray data folder (another
#   version's) where it is started, and without data it names the folders it
#   looked in.
# Refusals come before any window: those runs have no DISPLAY at all.
set -euo pipefail
source "$QUORVEL_SOURCE/tests/support/game.sh"
# ended STATUS STDERR WHAT: the game's exit code and all it wrote to stderr.
ended() {
  [ "$status" = "$1" ] || fail "$3: exit code $status"
  [ -z "$2" ] || [ "$(cat "$work/stderr")" = "$2" ] || fail "$3: stderr is not \"$2\""
}
frames() { grep -Eo '^[0-9]+ frames' "$work/stdout" || true; }
printf 'quorvel-demo 1\nwindow 320 256\nframe 60\n' >"$work/old.demo"

DISPLAY= play "$QUORVEL_DATA" --record /dev/full
ended 3 "quorvel: cannot write /dev/full: No space left on device" "recording to /dev/full"
# A disk that fills during the run (a file size limit, its signal ignored).
cp "$work/old.demo" "$work/full.demo"
status=0
(trap '' XFSZ && ulimit -f 1 && cd "$QUORVEL_DATA" &&
  exec "$QUORVEL_BIN" --window 320x256 --timedemo "$short_demo" --record "$work/full.demo") \
  >"$work/stdout" 2>"$work/stderr" || status=$?
ended 3 "quorvel: cannot write $work/full.demo: File too large" "a disk filling up"
[ "$(frames)" = "23 frames" ] || fail "a disk filling up: the demo did not play on"
cmp -s "$work/old.demo" "$work/full.demo" || fail "a disk filling up: the older recording changed"

mkdir "$work/here"
cp "$short_demo" "$work/here/keep.demo"
for args in "2:--record --window:quorvel: --record needs a file name, not '--window' (see quorvel --help)" \
  "2:--play --window:" "2:--window --timedemo -keep.demo:" \
  "2:--record keep.demo --record x:quorvel: --record is given twice (see quorvel --help)" "1:--record keep.demo:"; do
  IFS=: read -r code given said <<<"$args"
  # shellcheck disable=SC2086
  DISPLAY= play "$work/here" $given
  ended "$code" "$said" "$given"
  [ "$(ls "$work/here")" = keep.demo ] || fail "$given: wrote $(ls "$work/here" | tr '\n' ' ')"
done
cmp -s "$short_demo" "$work/here/keep.demo" || fail "a start that failed emptied the older recording"

game_start --window 320x256
cp "$work/old.demo" "$recording"
for _ in 1 2; do wait_for '^state menu'; done
kill -KILL "$game"
game_end
cmp -s "$work/old.demo" "$recording" || fail "SIGKILL: the older recording changed"
cp "$recording.part" "$work/killed.demo"
play "$QUORVEL_DATA" --window 320x256 --timedemo "$work/killed.demo"
ended 0 "" "the killed game's .part"
[ "$(frames)" = "$(grep -c '^state' "$work/killed.demo") frames" ] || fail "the .part played $(frames), not its whole frames"

for signal in TERM HUP; do
  game_start --window 320x256
  wait_for '^state menu'
  kill -$signal "$game"
  game_end
  ended $((128 + $(kill -l $signal))) "" "SIG$signal"
  [ ! -e "$recording.part" ] && grep -q '^state menu' "$recording" || fail "SIG$signal: the .part stayed"
done

# The build's program has its data beside it, as an installed one has.
mkdir -p "$work/stray/models" "$work/stray/textures" "$work/bin"
echo "quorvel-data 0" >"$work/stray/quorvel-data"   # another version's
QUORVEL_DATA="" play "$work/stray" --window 320x256 --timedemo "$short_demo"
expect_clean "started beside a stray data folder"
grep -q "Couldn't load the model" "$work/stdout" && fail "a stray data folder was taken for the game's"
cp "$QUORVEL_BIN" "$work/bin/quorvel"
DISPLAY= QUORVEL_DATA="" QUORVEL_BIN="$work/bin/quorvel" play "$work/stray" --window
looked="quorvel: can't find the game's data (models and textures); looked in"
ended 1 "$looked $work/share/games/quorvel, $work/bin/data, $work/stray" "no data"
DISPLAY= QUORVEL_DATA="$work/stray" play "$work" --window
ended 1 "$looked $work/stray" "QUORVEL_DATA"
echo "full disk, refused options, signals and data folders: the player's files kept, each said as it should"
