#!/usr/bin/env bash
# cmake --install into a temporary prefix: a launcher bin/quorvel, the game's
# data under share/quorvel, a desktop entry naming the launcher and an icon
# that is there. The installed game, started from an unrelated directory,
# opens its window on its own Xvfb, draws a run and quits with exit code 0.
set -euo pipefail
source "$QUORVEL_SOURCE/tests/support/game.sh"

prefix="$game_dir/prefix"
cmake --install "$QUORVEL_BUILD" --prefix "$prefix" >"$game_dir/install.log" ||
  fail "cmake --install failed: $(tail -5 "$game_dir/install.log")"

[ -x "$prefix/bin/quorvel" ] || fail "no launcher bin/quorvel"
for file in models/kicka.txt models/arrows.txt models/boada.txt models/surround.txt \
  textures/font.tga textures/menu.bmp textures/board.tga; do
  [ -s "$prefix/share/quorvel/$file" ] || fail "share/quorvel/$file is missing"
done
entry="$prefix/share/applications/quorvel.desktop"
[ -f "$entry" ] || fail "no desktop entry"
grep -qx 'Exec=quorvel' "$entry" && grep -qx 'Icon=quorvel' "$entry" && grep -qx 'Type=Application' "$entry" ||
  fail "the desktop entry does not start quorvel with its icon"
icon="$prefix/share/icons/hicolor/128x128/apps/quorvel.png"
[ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "the icon is no PNG"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$entry" || fail "invalid desktop entry"; fi
echo "installed: $(cd "$prefix" && find . -type f | wc -l) files"

# From an unrelated directory (the game would find no data there by itself).
mkdir -p "$game_dir/elsewhere"
QUORVEL_GAME_DATA="$game_dir/elsewhere" QUORVEL_BIN="$prefix/bin/quorvel" game_start "$game_dir/installed.trace"
game_wait_window
sleep 1.5
game_key s
sleep 3
game_running || fail "the installed game stopped"
game_quit_from_run
game_expect_clean_stderr
grep -q "Couldn't load the model" "$game_dir/stdout" && fail "the installed game did not find its models"
trace_frames "$game_dir/installed.trace"
runs=$(awk -F'\t' '$3 == "run"' "$game_dir/frames.tsv" | wc -l)
textured=$("$game_python" "$game_tests/game/gametrace.py" uploads "$game_dir/installed.trace" | wc -w)
echo "the installed game drew $runs frames of a run with $textured textures from its pictures"
[ "$runs" -ge 3 ] || fail "the installed game drew no run"
[ "$textured" -ge 25 ] || fail "the installed game found only $textured of its pictures"
