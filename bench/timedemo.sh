#!/usr/bin/env bash
# Times the benchmarks' recorded demos (bench/demos/*.demo) with the game's
# own --timedemo on the X server in DISPLAY: the same frames on every run,
# as fast as the machine draws them. Appends one line per run to
# OUT_DIR/timedemo-runs.txt: the demo, its frames, seconds, frames per
# second and the process's CPU milliseconds per frame (all threads).
#   bench/timedemo.sh BUILD_DIR OUT_DIR RUNS
set -euo pipefail
build=$(cd "$1" && pwd)
out=$2
runs=${3:-5}
demos=$(cd "$(dirname "$0")/demos" && pwd)
for run in $(seq "$runs"); do
  for demo in "$demos"/*.demo; do
    name=$(basename "$demo" .demo)
    figures=$(cd "$build/data" && /usr/bin/time -f "cpu %U %S" -o "$out/time.txt" \
      "$build/quorvel" --window 1280x1024 --timedemo "$demo")
    read -r frames seconds fps < <(echo "$figures" | awk '{ print $1, $3, $5 }' | tr -d ,)
    cpu_ms=$(awk -v f="$frames" '/^cpu/ { printf "%.2f", ($2 + $3) * 1000 / f }' "$out/time.txt")
    echo "demo $name run $run frames $frames seconds $seconds fps $fps cpu_ms $cpu_ms" |
      tee -a "$out/timedemo-runs.txt"
  done
done
rm -f "$out/time.txt"
