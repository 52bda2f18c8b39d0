#!/usr/bin/env bash
# Frame rates of the real game on the X server in DISPLAY (1280x1024), from
# the benchmarks' recorded demos (bench/demos: the same frames every run).
# For each demo, the game's own --timedemo, and glretrace --benchmark
# replaying an apitrace of that very timedemo: the cost of the game's drawing
# calls alone, with none of the game's own work. Also the floor (a window
# that only clears and swaps), start-up to the first frame (the swap counter,
# LD_PRELOAD) and the peak resident memory of each timed demo, and the
# game's frame rate in an 800x600 window (--window 800x600).
#   bench/frames.sh BUILD_DIR OUT_DIR RUNS
# Appends one line per run and demo to OUT_DIR/frames-runs.txt.
set -euo pipefail
build=$(cd "$1" && pwd)
out=$(mkdir -p "$2" && cd "$2" && pwd)
runs=${3:-5}
demos=$(cd "$(dirname "$0")/demos" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

figures() { awk '{ gsub(",", ""); print $1, $3, $5 }' "$1"; }   # frames seconds fps

# The traces, once: what the game asks of GL while it plays each demo.
for demo in "$demos"/*.demo; do
  name=$(basename "$demo" .demo)
  (cd "$build/data" && apitrace trace -o "$work/$name.trace" "$build/quorvel" --window 1280x1024 \
    --timedemo "$demo") >/dev/null 2>&1
done

for run in $(seq "$runs"); do
  "$build/bench/quorvel_floor" 600 >"$work/floor"
  read -r _ _ floor < <(figures "$work/floor")
  for demo in "$demos"/*.demo; do
    name=$(basename "$demo" .demo)
    launched=$EPOCHREALTIME
    (cd "$build/data" && LD_PRELOAD="$build/bench/libswapcounter.so" QUORVEL_SWAP_FILE="$work/swaps" \
      /usr/bin/time -f "%M %U %S" -o "$work/time" "$build/quorvel" --window 1280x1024 --timedemo "$demo") >"$work/game"
    read -r frames _ fps < <(figures "$work/game")
    read -r hwm user system <"$work/time"
    cpu_ms=$(awk -v u="$user" -v s="$system" -v f="$frames" 'BEGIN { printf "%.2f", (u + s) * 1000 / f }')
    startup=$(awk -v l="$launched" '{ printf "%.0f", $6 / 1e6 - l * 1000 }' "$work/swaps")
    (cd "$build/data" && "$build/quorvel" --window 800x600 --timedemo "$demo") >"$work/small" 2>/dev/null
    read -r _ _ small_fps < <(figures "$work/small")
    glretrace --benchmark "$work/$name.trace" >"$work/replay" 2>&1
    replay=$(awk '/^Rendered/ { print $NF == "fps" ? $(NF - 1) : "nan" }' "$work/replay")
    echo "run $run demo $name frames $frames fps $fps cpu_ms $cpu_ms replay_fps $replay floor_fps $floor" \
      "fps_800x600 $small_fps" \
      "startup_ms $startup hwm_kb $hwm" | tee -a "$out/frames-runs.txt"
  done
done
