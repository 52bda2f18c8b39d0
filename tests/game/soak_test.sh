#!/usr/bin/env bash
# A minute of random input (scripts/soak.sh): no crash, no sanitizer report,
# resident memory steady. Longer soaks: scripts/soak.sh SECONDS.
set -euo pipefail
exec "$QUORVEL_SOURCE/scripts/soak.sh" 60 "$QUORVEL_BIN"
