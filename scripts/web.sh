#!/usr/bin/env bash
# Installs what the browser build needs, builds the game for the browser in
# build-web (emscripten: the game, its data packed beside it, and the page),
# and serves it on this machine only, printing the address.
#   scripts/web.sh [PORT]      build, then serve (default port 8000)
#   scripts/web.sh --build     build only (./test does, for the browser tests)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh $(cat scripts/packages-play.txt scripts/packages-web.txt)
# Debian's emcc runs its JavaScript tools with the first node on PATH; a node
# from elsewhere doesn't look in Debian's folder of node modules.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release >/dev/null
nice cmake --build build-web -j2
[ "${1:-}" = --build ] && exit 0
port=${1:-8000}
echo "Quorvel in the browser: http://127.0.0.1:$port/"
exec /usr/bin/python3 -m http.server --bind 127.0.0.1 --directory build-web "$port"
