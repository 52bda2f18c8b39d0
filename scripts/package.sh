#!/usr/bin/env bash
# Builds the Debian package: a Release tree in build-package (no tests) with
# Debian's hardening flags, `cpack -G DEB`, then the checks Debian would run:
# lintian on the package, desktop-file-validate on its desktop entry,
# appstreamcli on its AppStream entry and man on its manual page. Prints
# each result; fails when any of them reports an error.
#   scripts/package.sh       -> build-package/quorvel_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh $(cat scripts/packages-play.txt scripts/packages-package.txt)

build=$(pwd)/build-package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
nice cmake --build "$build" -j2
rm -f "$build"/quorvel_*.deb
(cd "$build" && nice cpack -G DEB >/dev/null)
deb=$(ls "$build"/quorvel_*.deb)
echo "== $deb"
dpkg-deb -I "$deb" | sed -n '/Package:/,$p'

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
status=0
check() {
  local name=$1
  shift
  echo "== $name"
  if "$@"; then echo "$name: passed"; else echo "$name: FAILED"; status=1; fi
}
check lintian lintian --info --display-info "$deb"
check desktop-file-validate desktop-file-validate "$root"/usr/share/applications/*.desktop
check appstreamcli appstreamcli validate --no-net --explain "$root"/usr/share/metainfo/*.metainfo.xml
# man exits 0 on groff warnings too: any output on stderr counts as a failure.
man_page() {
  local warnings
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$root/usr/share/man/man6/quorvel.6.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "$warnings"; return 1; }
  LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$root/usr/share/man/man6/quorvel.6.gz" 2>/dev/null | head -12
}
check "man -l" man_page
exit $status
