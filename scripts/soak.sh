#!/usr/bin/env bash
# Soak: drives the game (the sanitizer build by default) with random input
# for SECONDS on an Xvfb of its own: steering, trick drags, clicks and the run
# keys r, n, b, a, d, w, s (never q). Fails on a crash, on any sanitizer
# report, or when resident memory over the last minute (the last 15 s for
# runs of two minutes or less) is more than 5 % above the first minute after
# start-up. Usage: scripts/soak.sh SECONDS [path/to/quorvel]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/soak.sh SECONDS [path/to/quorvel]}
game=$(readlink -f "${2:-build-test/quorvel}")
data="$(dirname "$game")/data"
[ -x "$game" ] && [ -d "$data/models" ] || { echo "soak: no game at $game with data beside it" >&2; exit 2; }
window=60
[ "$seconds" -le 120 ] && window=15
work=$(mktemp -d)
xvfb="" pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "soak: FAIL: $*" >&2; tail -30 "$work/stderr" >&2; exit 1; }

for _ in $(seq 30); do
  n=$((200 + RANDOM % 800))
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do
    DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$xvfb" 2>/dev/null && break
  xvfb=""
done
[ -n "$xvfb" ] || fail "no Xvfb"
export DISPLAY=":$n"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:verify_asan_link_order=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

(cd "$data" && exec "$game" >"$work/stdout" 2>"$work/stderr") &
pid=$!
for _ in $(seq 600); do
  xdotool search --onlyvisible --name '^Quorvel$' >/dev/null 2>&1 && break
  kill -0 "$pid" 2>/dev/null || fail "the game ended before its window showed"
  sleep 0.1
done
xdotool mousemove 640 512 key s
rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"; }

act() {
  case $((RANDOM % 10)) in
    0|1|2) xdotool mousemove $((RANDOM % 1280)) $((RANDOM % 1024)) ;;
    3) xdotool mousedown $((1 + RANDOM % 3)) mousemove $((RANDOM % 1280)) $((RANDOM % 1024)) \
         mousemove $((RANDOM % 1280)) $((RANDOM % 1024)) mouseup 1 mouseup 2 mouseup 3 ;;
    4) xdotool click 1 ;;
    5) xdotool key r ;;
    6) xdotool key n ;;
    7) xdotool key b ;;
    8) xdotool key a d w s ;;
    9) xdotool key --delay 40 s s s s w ;;
  esac
}

start=$(date +%s)
: >"$work/rss"
while [ $(($(date +%s) - start)) -lt "$seconds" ]; do
  kill -0 "$pid" 2>/dev/null || fail "the game died after $(($(date +%s) - start)) s"
  echo "$(($(date +%s) - start)) $(rss)" >>"$work/rss"
  for _ in 1 2 3 4; do act; sleep 0.2; done
  grep -q -E 'ERROR: AddressSanitizer|runtime error:' "$work/stderr" && fail "sanitizer report"
done
kill -0 "$pid" 2>/dev/null || fail "the game died at the end"

# Memory: the first window after start-up (the first 5 s are start-up)
# against the last window.
read -r first last <<<"$(awk -v w="$window" -v end="$seconds" '
  $1 >= 5 && $1 < 5 + w { a += $2; na++ }
  $1 >= end - w { b += $2; nb++ }
  END { printf "%d %d\n", a / na, b / nb }' "$work/rss")"
growth=$(awk -v a="$first" -v b="$last" 'BEGIN { printf "%.2f", (b - a) * 100 / a }')
echo "soak: $seconds s of random input; VmRSS first ${window} s $first kB, last ${window} s $last kB ($growth %)"
awk -v g="$growth" 'BEGIN { exit !(g <= 5.0) }' || fail "resident memory grew by $growth %"

xdotool key b   # a paused run quits just the same
xdotool key q
sleep 1
xdotool key q
for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
code=0
wait "$pid" || code=$?
pid=""
grep -q -E 'ERROR: AddressSanitizer|runtime error:' "$work/stderr" && fail "sanitizer report"
[ "$code" = 0 ] || fail "quitting gave exit code $code"
echo "soak: ok"
