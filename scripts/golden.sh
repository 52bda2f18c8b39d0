#!/usr/bin/env bash
# Takes the golden frames again (tests/game/golden/NAME.png) with the game in
# BUILD, at the moments tests/game/golden_test.sh plays to. Run it when the
# game is meant to draw differently or the test demos were recorded again,
# and look at every picture that changed before committing it.
#   scripts/golden.sh [BUILD]        (default build-test, as ./test leaves it)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(readlink -f "${1:-build-test}")
[ -x "$build/quorvel" ] || { echo "usage: $0 [BUILD]: no game in $build" >&2; exit 2; }
QUORVEL_SOURCE=$PWD QUORVEL_BUILD=$build QUORVEL_BIN=$build/quorvel QUORVEL_DATA=$build/data \
  exec bash tests/game/golden_test.sh --refresh
