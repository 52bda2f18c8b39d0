#!/usr/bin/env bash
# Records a session from real input (XTEST events, as a player's keys and
# mouse arrive) and plays the recording back: every frame of the playback
# repeats the recorded state. Waits only on what the game writes down.
set -euo pipefail
# A server of its own, so no other test's window takes the keyboard.
[ -n "${QUORVEL_OWN_SERVER:-}" ] || QUORVEL_OWN_SERVER=1 exec "$QUORVEL_SOURCE/scripts/with-xvfb.sh" bash "$0"
dir=$(mktemp -d)
trap 'kill "$game" 2>/dev/null || true; rm -rf "$dir"' EXIT
recording="$dir/recorded.demo"
fail() {
  echo "FAIL: $*" >&2
  tail -n 5 "$recording" "$dir/stderr" >&2 || true
  exit 1
}

cd "$QUORVEL_DATA"
"$QUORVEL_BIN" --window 320x256 --record "$recording" >/dev/null 2>"$dir/stderr" &
game=$!

# wait_for PATTERN: until a line written after the last one waited for
# matches (the recording is flushed at least once a second).
seen=0
wait_for() {
  for _ in $(seq 1200); do
    local at
    at=$(tail -n +$((seen + 1)) "$recording" | grep -n -m1 -- "$1" | cut -d: -f1 || true)
    if [ -n "$at" ]; then
      seen=$((seen + at))
      return 0
    fi
    kill -0 "$game" 2>/dev/null || fail "the game ended while waiting for '$1'"
    sleep 0.1
  done
  fail "no '$1' in the recording after 120 s"
}

xdotool search --sync --onlyvisible --name '^Quorvel$' >/dev/null
xdotool mousemove 160 128   # keys go to the window under the pointer
wait_for '^state menu'
xdotool key s
wait_for '^state run day running ride'
for x in 150 140 130 120; do xdotool mousemove "$x" 128; done   # steering
for _ in 1 2 3 4; do wait_for '^move '; done
wait_for '^state run'
# Each key's effect is seen before the next: night, pause, go on, restart.
for step in "n:^state run night" "b:^state run night paused" "b:^state run night running" "r:^key 114"; do
  xdotool key "${step%%:*}"
  wait_for "${step#*:}"
done
xdotool key q
wait_for '^state menu day'
xdotool key q
status=0
wait "$game" || status=$?
[ "$status" = 0 ] || fail "q in the menu gave exit code $status"
[ ! -s "$dir/stderr" ] || fail "the recording game wrote to stderr: $(head -5 "$dir/stderr")"

"$QUORVEL_BIN" --window 320x256 --timedemo "$recording" --record "$dir/replayed.demo" >"$dir/figures" 2>"$dir/stderr" ||
  fail "the playback ended with exit code $?"
[ ! -s "$dir/stderr" ] || fail "the playback wrote to stderr: $(head -5 "$dir/stderr")"
frames=$(grep -c '^state' "$recording")
cmp <(grep '^state' "$recording") <(grep '^state' "$dir/replayed.demo") ||
  fail "the playback's states differ from the recording's"
echo "recorded $frames frames with $(grep -c -E '^(key|move|drag|button)' "$recording") input events;" \
  "played back alike: $(cat "$dir/figures")"
