#!/usr/bin/env bash
# Installs what the benchmarks need, builds the Release game and the
# benchmarks in build-bench, and runs them all: Google Benchmark programs
# (rider, loaders and probe, frame parts), the asset generator, and RUNS
# timed plays of the recorded demos (bench/demos) beside glretrace's replay
# of the same frames, on an Xvfb of its own. Figures and screenshots
# go to build-bench/bench-results/; the summary is printed at the end.
#   scripts/bench.sh [RUNS]        (default 5)
# Not part of ./test: nothing here passes or fails on a figure.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
scripts/deps.sh $(cat scripts/packages-play.txt scripts/packages-bench.txt)
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQUORVEL_BENCH=ON -DQUORVEL_TESTS=OFF >/dev/null
nice cmake --build build-bench -j2 --target quorvel bench_rider bench_assets bench_frame \
  quorvel_swapcounter quorvel_floor

build=$(pwd)/build-bench
results=$build/bench-results
rm -rf "$results"
mkdir -p "$results"
echo "load before the run: $(cut -d' ' -f1-3 /proc/loadavg)" | tee "$results/load.txt"

repetitions=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true)
echo "== rider"
"$build/bench/bench_rider" "${repetitions[@]}" \
  --benchmark_out="$results/rider.json" --benchmark_out_format=json | tee "$results/rider.txt"
echo "== loaders and probe"
(cd "$build/data" && "$OLDPWD/scripts/with-xserver.sh" "$build/bench/bench_assets" "${repetitions[@]}" \
  --benchmark_out="$results/assets.json" --benchmark_out_format=json) | tee "$results/assets.txt"
echo "== frame parts"
(cd "$build/data" && "$OLDPWD/scripts/with-xserver.sh" "$build/bench/bench_frame" "${repetitions[@]}" \
  --benchmark_out="$results/frame.json" --benchmark_out_format=json) | tee "$results/frame.txt"

echo "== asset generator"
python=/usr/bin/python3
[ -x "$python" ] || python=python3
for _ in $(seq 5); do
  out=$(mktemp -d)
  start=$EPOCHREALTIME
  (cd tools && "$python" -m assetgen --out "$out" >/dev/null)
  awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.3f\n", b - a }' | tee -a "$results/assetgen.txt"
  rm -rf "$out"
done

echo "== frame rates, start-up and memory: the recorded demos, $runs runs"
scripts/with-xserver.sh bench/frames.sh "$build" "$results" "$runs"
echo "load after the run: $(cut -d' ' -f1-3 /proc/loadavg)" | tee -a "$results/load.txt"

"$python" bench/summary.py "$results" | tee "$results/summary.txt"
