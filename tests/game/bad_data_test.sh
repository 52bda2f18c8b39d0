#!/usr/bin/env bash
# Bad data in a copy of the data folder:
# - each picture in turn broken (cut short, wrong magic bytes, absurd sizes,
#   zero bytes; the kinds taken in rotation), and every picture broken at once
#   by each kind: the game starts, draws the menu and a run, and quits with
#   exit code 0, with no sanitizer report; in the trace, exactly the broken
#   picture's textures get no image (the game draws them untextured) and
#   every other texture still gets its picture;
# - a missing model file prints "Couldn't load the model" once and the game
#   runs on;
# - a model naming a missing material texture ends the game at start-up with
#   exit code 1 and no message.
set -euo pipefail
source "$QUORVEL_SOURCE/tests/support/game.sh"

PICTURES=(menu.bmp help.bmp font.tga left.bmp front.bmp right.bmp back.bmp top.bmp bottom.bmp
  dapplecrux.bmp brolunt.bmp wornel.bmp krenn.bmp ulmar.bmp qvl_banner.bmp particle1.bmp)
KINDS=(short magic huge empty)
export QUORVEL_GAME_DATA="$game_dir/data"

fresh_copy() { rm -rf "$QUORVEL_GAME_DATA"; cp -r "$QUORVEL_DATA" "$QUORVEL_GAME_DATA"; }
breakfile() { "$game_python" "$game_tests/game/breakfile.py" "$1" "$QUORVEL_GAME_DATA/textures/$2"; }

# play TRACE: menu, a short run, back and quit; exit code 0 and a clean stderr.
play() {
  game_start "${1:-}"
  game_wait_window
  sleep 1.5
  game_key s
  sleep 2.5
  game_running || fail "the game died in the run"
  game_quit_from_run
  game_expect_clean_stderr
}

textured() { "$game_python" "$game_tests/game/gametrace.py" uploads "$1"; }

fresh_copy
play "$game_dir/intact.trace"
intact=$(textured "$game_dir/intact.trace")
echo "intact data: textures with pictures: $intact"

# expect_untextured TRACE WHAT: some textures lost their picture, none gained one.
expect_untextured() {
  local now lost
  now=$(textured "$1")
  lost=$(comm -23 <(tr ' ' '\n' <<<"$intact" | sort) <(tr ' ' '\n' <<<"$now" | sort) | tr '\n' ' ')
  comm -13 <(tr ' ' '\n' <<<"$intact" | sort) <(tr ' ' '\n' <<<"$now" | sort) | grep -q . &&
    fail "$2: a texture got a picture it never had"
  [ -n "$lost" ] || fail "$2: every texture still got a picture"
  echo "$2: runs; textures left without a picture: $lost"
  rm -f "$1"
}

for i in ${QUORVEL_PICTURE_INDEXES:-${!PICTURES[@]}}; do
  kind=${KINDS[$((i % 4))]}
  fresh_copy
  breakfile "$kind" "${PICTURES[$i]}"
  play "$game_dir/one.trace"
  expect_untextured "$game_dir/one.trace" "${PICTURES[$i]} $kind"
done

for kind in "${KINDS[@]}"; do
  fresh_copy
  for picture in "${PICTURES[@]}"; do breakfile "$kind" "$picture"; done
  play "$game_dir/all.trace"
  expect_untextured "$game_dir/all.trace" "every picture $kind"
done

for model in kicka.txt arrows.txt boada.txt surround.txt; do
  fresh_copy
  rm "$QUORVEL_GAME_DATA/models/$model"
  play
  said=$(grep -c "Couldn't load the model" "$game_dir/stdout" || true)
  [ "$said" = 1 ] || fail "without $model: \"Couldn't load the model\" printed $said times"
  echo "without $model: said so once and ran"
done

fresh_copy
rm "$QUORVEL_GAME_DATA/textures/board.tga"
game_start
game_wait_exit 60
[ "$game_exit_code" = 1 ] || fail "a missing material texture gave exit code $game_exit_code"
[ ! -s "$game_dir/stdout" ] && [ ! -s "$game_dir/stderr" ] || fail "a missing material texture printed something"
echo "without board.tga: exit code 1, silent"
