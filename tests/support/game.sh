# Drives the real game on an X server of its own: starts a private Xvfb
# (1280x1024x24) when sourced, starts the game in its data folder (optionally
# recording its GL calls with apitrace), waits for its window, sends input as
# a player would (plain xdotool, XTEST) and stops everything at exit.
# Source it from a *_test.sh; it needs QUORVEL_BIN and QUORVEL_DATA.

game_dir=$(mktemp -d)
game_pid=""
game_xserver=""
game_support=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
game_tests=$(cd "$game_support/.." && pwd)
game_python=/usr/bin/python3
[ -x "$game_python" ] || game_python=python3
# QUORVEL_GAME_KEEP=DIR keeps the game's output and the frames read for a look afterwards.
game_keep() {
  [ -n "${QUORVEL_GAME_KEEP:-}" ] || return 0
  mkdir -p "$QUORVEL_GAME_KEEP"
  cp "$game_dir"/stdout "$game_dir"/stderr "$game_dir"/*.tsv "$QUORVEL_GAME_KEEP"/ 2>/dev/null || true
}
trap 'game_kill; game_stop_display; game_keep; rm -rf "$game_dir"' EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -s "$game_dir/stdout" ] && { echo "--- game stdout" >&2; tail -20 "$game_dir/stdout" >&2; }
  [ -s "$game_dir/stderr" ] && { echo "--- game stderr" >&2; tail -40 "$game_dir/stderr" >&2; }
  [ -s "$game_dir/server.log" ] && { echo "--- X server ($DISPLAY)" >&2; tail -5 "$game_dir/server.log" >&2; }
  # The screen as it was, for a look afterwards.
  [ -n "${QUORVEL_GAME_KEEP:-}" ] && mkdir -p "$QUORVEL_GAME_KEEP" &&
    import -window root "$QUORVEL_GAME_KEEP/failure.png" 2>/dev/null
  exit 1
}

# The system's GL libraries, found wherever the multiarch folder is.
first_match() { for path in "$@"; do [ -e "$path" ] && { echo "$path"; return 0; }; done; return 1; }
game_tracer=$(first_match /usr/lib/*/apitrace/wrappers/glxtrace.so || true)

# As scripts/with-xvfb.sh: the GL stack's own leaks can't be told from ours,
# so a game (which holds a GL context) runs without leak checking.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:verify_asan_link_order=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

# game_launch_server NAME ARGS...: an X server on a free display number of
# its own (picked at random from 200 up, out of the way of anything that
# assumes :0 or :99; a server that finds its number taken exits and the next
# number is tried), so tests running side by side never share one and a GL
# test's window elsewhere can't take the keyboard focus from the game.
game_launch_server() {
  local name=$1 n
  shift
  for _ in $(seq 30); do
    n=$((200 + RANDOM % 800))
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    "$name" ":$n" "$@" >"$game_dir/server.log" 2>&1 &
    game_xserver=$!
    for _ in $(seq 300); do
      if ! kill -0 "$game_xserver" 2>/dev/null; then
        wait "$game_xserver" 2>/dev/null || true
        game_xserver=""
        break
      fi
      # Ours only if the lock names our server: another may have won the number.
      if [ "$(cat "/tmp/.X$n-lock" 2>/dev/null | tr -d ' \n')" = "$game_xserver" ] &&
        DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
        export DISPLAY=":$n"
        return 0
      fi
      sleep 0.1
    done
    [ -n "$game_xserver" ] && fail "$name :$n did not come up in 30 s: $(tail -3 "$game_dir/server.log")"
  done
  fail "$name found no free display: $(tail -3 "$game_dir/server.log")"
}

# -noreset: a server that resets when its last client leaves (xdpyinfo, a
# game that quit) turns away the next one that comes meanwhile.
game_start_display() { game_launch_server Xvfb -screen 0 1280x1024x24 -nolisten tcp -noreset; }

# game_start_xorg CONFIG: swaps the Xvfb for a real X server, Xorg with the
# config given (the dummy video driver needs no hardware; run as root).
game_start_xorg() {
  game_stop_display
  game_launch_server Xorg -config "$1" -noreset -nolisten tcp -novtswitch -sharevts \
    -logfile "$game_dir/xorg.log"
}

# screen_size: the X screen's size now, e.g. 1280x1024.
screen_size() { xdpyinfo | awk '/dimensions:/ && !done { print $2; done = 1 }'; }

# game_window_size: the game window's size, e.g. 1280x1024.
game_window_size() {
  xdotool search --onlyvisible --name '^Quorvel$' getwindowgeometry | awk '/Geometry:/ && !done { print $2; done = 1 }'
}

game_stop_display() {
  if [ -n "$game_xserver" ]; then
    kill "$game_xserver" 2>/dev/null
    wait "$game_xserver" 2>/dev/null || true
  fi
  game_xserver=""
}

# game_start [trace-file]: starts the game from its data folder
# (QUORVEL_GAME_DATA if set, else QUORVEL_DATA); extra environment for the
# game goes in the array game_env, e.g. game_env=(MESA_DEBUG=1).
game_start() {
  local trace="${1:-}"
  local data="${QUORVEL_GAME_DATA:-$QUORVEL_DATA}"
  local preload=""
  if [ -n "$trace" ]; then
    [ -n "$game_tracer" ] || fail "apitrace's glxtrace.so is not installed"
    preload="$game_tracer"
  fi
  : >"$game_dir/stdout"
  : >"$game_dir/stderr"
  (cd "$data" && exec env LD_PRELOAD="$preload" TRACE_FILE="$trace" "${game_env[@]}" \
    "$QUORVEL_BIN" >"$game_dir/stdout" 2>"$game_dir/stderr") &
  game_pid=$!
}
game_env=()

# game_wait_window: until the game's window is mapped (60 s at most).
game_wait_window() {
  for _ in $(seq 600); do
    xdotool search --onlyvisible --name '^Quorvel$' >/dev/null 2>&1 && return 0
    game_running || fail "the game ended before its window showed"
    sleep 0.1
  done
  fail "no game window after 60 s"
}

game_running() { [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; }

game_key() { xdotool key --delay 60 "$@"; }

# game_click_at FX FY: a left click at that fraction of the game's window
# (with no window manager the full-screen window may sit off the origin).
game_click_at() {
  local id x y w h
  id=$(xdotool search --onlyvisible --name '^Quorvel$' | head -1)
  eval "$(xdotool getwindowgeometry --shell "$id" | sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=/G_&/p')"
  x=$(awk -v o="$G_X" -v s="$G_WIDTH" -v f="$1" 'BEGIN { printf "%d", o + s * f }')
  y=$(awk -v o="$G_Y" -v s="$G_HEIGHT" -v f="$2" 'BEGIN { printf "%d", o + s * f }')
  xdotool mousemove "$x" "$y" sleep 0.3 click 1
}

# game_wait_exit SECONDS: waits for the game to end; its exit code goes to
# game_exit_code (not printed: only this shell can wait for the game).
game_exit_code=""
game_wait_exit() {
  for _ in $(seq $(($1 * 10))); do
    if ! game_running; then
      game_exit_code=0
      wait "$game_pid" || game_exit_code=$?
      game_pid=""
      return 0
    fi
    sleep 0.1
  done
  fail "the game still runs after $1 s"
}

# game_quit_from_run: q back to the menu, q again to quit; fails unless exit code 0.
game_quit_from_run() {
  game_key q
  sleep 1
  game_key q
  game_wait_exit 60
  [ "$game_exit_code" = 0 ] || fail "quitting gave exit code $game_exit_code"
}

game_kill() {
  if game_running; then
    kill "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null || true
  fi
  game_pid=""
}

# game_expect_clean_stderr: no sanitizer report and no GL error from Mesa.
game_expect_clean_stderr() {
  if grep -E -q 'ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:|Mesa: User error|GL_INVALID' \
    "$game_dir/stderr"; then
    fail "the game's stderr reports a fault"
  fi
}

# trace_dump TRACE: the trace's calls as text, one per line, in game_dir/calls.txt.
trace_dump() { apitrace dump --color=never "$1" >"$game_dir/calls.txt" 2>/dev/null; }

# trace_frames TRACE: one line per drawn frame in game_dir/frames.tsv (tests/game/gametrace.py).
trace_frames() {
  "$game_python" "$game_tests/game/gametrace.py" frames "$1" "$game_dir/frames.tsv" ||
    fail "could not read the trace $1"
}

# trace_check NAME...: named checks over game_dir/frames.tsv (tests/game/tracechecks.py).
trace_check() {
  local name
  for name in "$@"; do
    "$game_python" "$game_tests/game/gametrace.py" check "$name" "$game_dir/frames.tsv" ||
      fail "trace check '$name'"
  done
}

game_start_display
