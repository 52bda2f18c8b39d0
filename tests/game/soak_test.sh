#!/usr/bin/env bash
# Twenty seconds' worth of random input (scripts/soak.sh): no crash, no
# sanitizer report, no GL error, memory that doesn't grow with play.
# Longer soaks: scripts/soak.sh SECONDS.
set -euo pipefail
exec "$QUORVEL_SOURCE/scripts/soak.sh" 20 1 "$QUORVEL_BIN"
