#!/usr/bin/env bash
# Bad data in a copy of the data folder, each time played through a short
# demo (the menu, a run, back and quit):
# - every picture broken at once, in each way a damaged folder breaks them
#   (cut short, wrong magic bytes, absurd sizes, emptied): the game draws
#   without those pictures and plays to the end, exit code 0, no sanitizer
#   report, no GL error;
# - a model missing: "Couldn't load the model" once, and the game plays on;
# - a model naming a material texture that is missing: exit code 1 at
#   start-up, and not a word.
set -euo pipefail
source "$QUORVEL_SOURCE/tests/support/game.sh"
data="$work/data"
fresh_copy() { rm -rf "$data"; cp -r "$QUORVEL_DATA" "$data"; }

at() { printf "$2" | dd of="$1" bs=1 seek="$3" conv=notrunc status=none; }   # at FILE BYTES OFFSET
break_picture() {   # break_picture KIND FILE
  case "$1" in
    short) truncate -s $(($(stat -c %s "$2") / 3)) "$2" ;;
    empty) : >"$2" ;;
    magic) if [[ $2 == *.bmp ]]; then at "$2" 'XZ' 0; else at "$2" '\115' 2; fi ;;
    huge) if [[ $2 == *.bmp ]]; then at "$2" '\377\377\377\177\377\377\377\177' 18; else at "$2" '\377\377\377\377' 12; fi ;;
  esac
}

for kind in short magic huge empty; do
  fresh_copy
  for picture in "$data"/textures/*.bmp "$data"/textures/font.tga; do break_picture "$kind" "$picture"; done
  QUORVEL_DATA=$data MESA_DEBUG=1 play "$data" --window 320x256 --timedemo "$short_demo"
  expect_clean "every picture $kind"
  grep -q "^23 frames" "$work/stdout" || fail "every picture $kind: the demo did not play to its end"
done
for model in kicka.txt arrows.txt boada.txt surround.txt; do
  fresh_copy
  rm "$data/models/$model"
  QUORVEL_DATA=$data play "$data" --window 320x256 --timedemo "$short_demo"
  expect_clean "without $model"
  [ "$(grep -c "Couldn't load the model" "$work/stdout")" = 1 ] || fail "without $model: not said once"
done
fresh_copy
rm "$data/textures/board.tga"
QUORVEL_DATA=$data play "$data" --timedemo "$short_demo"
[ "$status" = 1 ] && [ ! -s "$work/stdout" ] && [ ! -s "$work/stderr" ] ||
  fail "a missing material texture: exit code $status, or it printed"
echo "broken pictures played through, a missing model said once, a missing material texture exit code 1, silent"
