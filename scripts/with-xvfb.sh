#!/usr/bin/env bash
# Runs a command with DISPLAY set to a fresh Xvfb server (24-bit, 1280x1024),
# and the sanitizer settings the GL stack needs.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.05
done
export DISPLAY=":$display"
# Mesa's JIT-compiled code leaves leak traces with no module to suppress by
# (and full unwinding deadlocks inside it), so leak checking is off here; the
# tests that touch no GL switch it back on (tests/CMakeLists.txt, fuzz/).
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:verify_asan_link_order=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
"$@"
