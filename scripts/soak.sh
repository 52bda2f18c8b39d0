#!/usr/bin/env bash
# Soak: the game (the sanitizer build by default) plays SECONDS' worth of
# random input at 30 frames a second as a timed demo: steering, trick drags,
# clicks and the run keys r, n, b, a, d, w, s (never q). Fails on a crash,
# on any sanitizer report or GL error, or when the peak resident memory of
# the whole soak is more than 5 % above that of its first third (memory
# that grows with play). The input comes from SEED (default 1), so a failure
# can be played again: scripts/soak.sh SECONDS [SEED [path/to/quorvel]].
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/soak.sh SECONDS [SEED [path/to/quorvel]]}
seed=${2:-1}
game=$(readlink -f "${3:-build-test/quorvel}")
data="$(dirname "$game")/data"
[ -x "$game" ] && [ -d "$data/models" ] || { echo "soak: no game at $game with data beside it" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

/usr/bin/python3 - "$seed" $((seconds * 30)) >"$work/soak.demo" <<'PY'
import random, sys
seed, frames = int(sys.argv[1]), int(sys.argv[2])
rng = random.Random(seed)
w, h = 320, 256
print("quorvel-demo 1\nwindow %d %d\nframe 130\nkey 115" % (w, h))
for _ in range(frames):
    roll = rng.random()
    if roll < 0.3:
        print("move %d %d" % (rng.randrange(w), rng.randrange(h)))
    elif roll < 0.35:
        button = rng.randrange(3)
        print("button %d down %d %d" % (button, rng.randrange(w), rng.randrange(h)))
        for _ in range(rng.randrange(1, 8)):
            print("drag %d %d" % (rng.randrange(-w, 2 * w), rng.randrange(-h, 2 * h)))
        print("button %d up %d %d" % (button, rng.randrange(w), rng.randrange(h)))
    elif roll < 0.38:
        print("key %d" % ord(rng.choice("rnbadws")))
    print("frame %d" % rng.choice((30, 30, 30, 60, 144, 7)))
PY

# play DEMO: peak resident memory in kB; fails on anything on stderr.
play() {
  (cd "$data" && MESA_DEBUG=1 /usr/bin/time -f "%M" -o "$work/peak" \
    "$game" --window 320x256 --timedemo "$1" >"$work/stdout" 2>"$work/stderr") ||
    { echo "soak: FAIL: exit code $? (seed $seed)" >&2; tail -30 "$work/stderr" >&2; exit 1; }
  if [ -s "$work/stderr" ]; then echo "soak: FAIL: seed $seed" >&2; tail -30 "$work/stderr" >&2; exit 1; fi
  tail -n 1 "$work/peak"
}

lines=$(wc -l <"$work/soak.demo")
head -n $((lines / 3)) "$work/soak.demo" >"$work/third.demo"
first=$(play "$work/third.demo")
whole=$(play "$work/soak.demo")
echo "soak: $(cat "$work/stdout"); peak memory $first kB in the first third, $whole kB in all"
awk -v a="$first" -v b="$whole" 'BEGIN { exit b > a * 1.05 }' ||
  { echo "soak: FAIL: memory grows with play (seed $seed)" >&2; exit 1; }
