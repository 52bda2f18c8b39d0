#!/usr/bin/env bash
# The Debian package cpack makes from this build tree: named after the
# game's version, its dependencies worked out, everything owned by root and
# laid out as Debian lays out games; `cmake --install --prefix` gives the
# same files. Unpacked into a temporary root (no system-wide install), the
# game started from an unrelated directory finds its data and plays a short
# time demo to its end.
set -euo pipefail
source "$QUORVEL_SOURCE/tests/support/game.sh"

cpack -G DEB --config "$QUORVEL_BUILD/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1 ||
  fail "cpack failed: $(tail -5 "$work/cpack.log")"
version=$("$QUORVEL_BIN" --version | cut -d' ' -f2)
deb="$work/cpack/quorvel_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$work/cpack")"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in section games"
dpkg-deb -f "$deb" Depends | grep -q glut || fail "no dependency worked out on freeglut"

dpkg-deb -c "$deb" >"$work/contents"
awk '$2 != "root/root"' "$work/contents" | grep . && fail "files not owned by root"
for path in games/quorvel share/games/quorvel/models/kicka.txt share/games/quorvel/textures/menu.bmp \
  share/applications/quorvel.desktop share/icons/hicolor/128x128/apps/quorvel.png \
  share/man/man6/quorvel.6.gz share/metainfo/example.quorvel.quorvel.metainfo.xml \
  share/doc/quorvel/copyright share/doc/quorvel/changelog.gz; do
  grep -q " \./usr/$path\$" "$work/contents" || fail "the package has no /usr/$path"
done
grep -q '^-rwxr-xr-x .* \./usr/games/quorvel$' "$work/contents" || fail "/usr/games/quorvel is not 0755"

root="$work/root"
dpkg-deb -x "$deb" "$root"
cmake --install "$QUORVEL_BUILD" --prefix "$work/prefix" >"$work/install.log" ||
  fail "cmake --install failed: $(tail -5 "$work/install.log")"
diff <(cd "$root/usr" && find . -type f | sort) <(cd "$work/prefix" && find . -type f | sort) ||
  fail "cmake --install --prefix lays the files out unlike the package"

mkdir "$work/elsewhere"
# Its own data, not the build's that the test environment names.
QUORVEL_DATA="" QUORVEL_BIN="$root/usr/games/quorvel" play "$work/elsewhere" --timedemo "$short_demo"
expect_clean "the unpacked game"
grep -q "^23 frames" "$work/stdout" || fail "the unpacked game did not play the demo to its end"
grep -q "Couldn't load the model" "$work/stdout" && fail "the unpacked game did not find its models"
echo "package test: ok"
