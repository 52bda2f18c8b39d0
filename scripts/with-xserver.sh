#!/usr/bin/env bash
# Runs a command on an X server of its own, with DISPLAY set and the
# sanitizer settings the GL stack needs, and stops the server afterwards.
#   scripts/with-xserver.sh [--size WxH] COMMAND...      an Xvfb, 24-bit (default 1280x1024)
#   scripts/with-xserver.sh --xorg CONFIG COMMAND...     Xorg with that config (as root)
# The display number is picked at random from 200 up, so servers started side
# by side never share one; a server is ours only once its lock file names it.
set -euo pipefail
size=1280x1024
config=""
case "${1:-}" in
  --size) size=$2; shift 2 ;;
  --xorg) config=$2; shift 2 ;;
esac
[ $# -gt 0 ] || { echo "usage: $0 [--size WxH | --xorg CONFIG] COMMAND..." >&2; exit 2; }

log=$(mktemp)
server=""
stop() {
  if [ -n "$server" ]; then kill "$server" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  rm -f "$log" "$log.xorg"
}
trap stop EXIT

# -noreset: a server that resets when its last client leaves turns away the
# next client that connects meanwhile.
start_server() {
  if [ -n "$config" ]; then
    Xorg ":$1" -config "$config" -noreset -nolisten tcp -novtswitch -sharevts -logfile "$log.xorg" >"$log" 2>&1 &
  else
    Xvfb ":$1" -screen 0 "${size}x24" -nolisten tcp -noreset >"$log" 2>&1 &
  fi
  server=$!
}

for _ in $(seq 30); do
  n=$((200 + RANDOM % 800))
  { [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; } && continue
  start_server "$n"
  for _ in $(seq 300); do
    kill -0 "$server" 2>/dev/null || break
    if [ "$(cat "/tmp/.X$n-lock" 2>/dev/null | tr -d ' \n')" = "$server" ] && DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
      export DISPLAY=":$n"
      # Mesa's JIT-compiled code leaves leak traces with no module to suppress
      # by, so leak checking is off here; tests that touch no GL switch it on.
      export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:verify_asan_link_order=0}"
      export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
      status=0
      "$@" || status=$?
      exit "$status"
    fi
    sleep 0.1
  done
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
  server=""
done
echo "$0: no X server came up: $(tail -3 "$log")" >&2
exit 1
