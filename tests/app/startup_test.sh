#!/usr/bin/env bash
# The start-up, traced with apitrace while the game plays a short demo: the
# game-wide GL state is set before the first frame is shown, and every frame
# of the demo is drawn and swapped.
set -euo pipefail
source "$QUORVEL_SOURCE/tests/support/game.sh"

(cd "$QUORVEL_DATA" && apitrace trace -o "$work/startup.trace" "$QUORVEL_BIN" --window 320x256 \
  --timedemo "$short_demo") >"$work/stdout" 2>"$work/stderr" || fail "the traced game failed"
apitrace dump --color=never "$work/startup.trace" >"$work/calls.txt" 2>/dev/null
swaps=$(grep -c glXSwapBuffers "$work/calls.txt" || true)
frames=$(grep -c '^frame' "$short_demo")
[ "$swaps" = "$frames" ] || fail "$swaps frames swapped for the demo's $frames"
first_swap=$(grep -n -m1 glXSwapBuffers "$work/calls.txt" | cut -d: -f1)
for call in 'glCullFace(mode = GL_FRONT)' 'glEnable(cap = GL_DEPTH_TEST)' 'glEnable(cap = GL_LIGHTING)'; do
  at=$(grep -n -m1 -F "$call" "$work/calls.txt" | cut -d: -f1)
  [ -n "$at" ] && [ "$at" -lt "$first_swap" ] || fail "$call is not made before the first frame"
done
echo "start-up state set before the first of $swaps frames"
