# Drives the real game under the test X server: starts it in its data folder
# (optionally recording its GL calls with apitrace), waits for its window,
# sends input as a player would (plain xdotool, XTEST), and stops it.
# Source it from a *_test.sh; it needs QUORVEL_BIN, QUORVEL_DATA and DISPLAY.

game_dir=$(mktemp -d)
game_pid=""
trap 'game_kill; rm -rf "$game_dir"' EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -s "$game_dir/stdout" ] && { echo "--- game stdout" >&2; tail -20 "$game_dir/stdout" >&2; }
  [ -s "$game_dir/stderr" ] && { echo "--- game stderr" >&2; tail -40 "$game_dir/stderr" >&2; }
  exit 1
}

# game_start [trace-file]: starts the game from a copy-free data folder
# (QUORVEL_GAME_DATA if set, else QUORVEL_DATA).
game_start() {
  local trace="${1:-}"
  local data="${QUORVEL_GAME_DATA:-$QUORVEL_DATA}"
  if [ -n "$trace" ]; then
    (cd "$data" && LD_PRELOAD=/usr/lib/x86_64-linux-gnu/apitrace/wrappers/glxtrace.so \
      TRACE_FILE="$trace" exec "$QUORVEL_BIN" >"$game_dir/stdout" 2>"$game_dir/stderr") &
  else
    (cd "$data" && exec "$QUORVEL_BIN" >"$game_dir/stdout" 2>"$game_dir/stderr") &
  fi
  game_pid=$!
}

# game_wait_window: until the game's window is mapped (30 s at most).
game_wait_window() {
  for _ in $(seq 300); do
    xdotool search --onlyvisible --name '^Quorvel$' >/dev/null 2>&1 && return 0
    game_running || fail "the game ended before its window showed"
    sleep 0.1
  done
  fail "no game window after 30 s"
}

game_running() { [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; }

game_key() { xdotool key --delay 60 "$@"; }

# game_wait_exit SECONDS: waits for the game to end; prints its exit code.
game_wait_exit() {
  for _ in $(seq $(($1 * 10))); do
    if ! game_running; then
      local code=0
      wait "$game_pid" || code=$?
      game_pid=""
      echo "$code"
      return 0
    fi
    sleep 0.1
  done
  fail "the game still runs after $1 s"
}

game_kill() {
  if game_running; then
    kill "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null || true
  fi
  game_pid=""
}

# trace_dump TRACE: the trace's calls as text, one per line, in game_dir/calls.txt.
trace_dump() { apitrace dump --color=never "$1" >"$game_dir/calls.txt" 2>/dev/null; }
