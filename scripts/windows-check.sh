#!/usr/bin/env bash
# Checks the numbers of the Windows build: compiles geometry/ unchanged, with the
# Qt-free program tests/windows/geometry_check.cpp, natively (g++) and for 64-bit
# Windows (MinGW-w64, static), and runs both against the table of results in
# tests/windows/GeometryExpected.inc, the Windows program under wine: once in the
# C locale and once in a Czech user locale (decimal comma). Any difference fails.
# Installs what is missing on Debian (as root).
#
#   ./scripts/windows-check.sh            the check
#   ./scripts/windows-check.sh --update   rewrites the table from the native build
#                                         (after an intended change of the results)
#
# KAVORIN_WINDOWS_DIR overrides the work folder (default build-windows-check/).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

update=0
case "${1:-}" in
  "") ;;
  --update) update=1 ;;
  *) echo "usage: $0 [--update]" >&2; exit 2 ;;
esac

kavorin_ensure_packages "${KAVORIN_WINDOWS_PACKAGES[@]}"

out_dir=${KAVORIN_WINDOWS_DIR:-build-windows-check}
mkdir -p "$out_dir"
sources=(geometry/*.cpp tests/windows/geometry_check.cpp)
flags=(-std=c++17 -O2 -Wall -Wextra -Wpedantic -Igeometry)
[ "${CI:-}" = "true" ] && flags+=(-Werror)

native="$out_dir/geometry_check"
echo "Building $native (g++)"
g++ "${flags[@]}" "${sources[@]}" -o "$native"

if [ "$update" = 1 ]; then
  "$native" --print >tests/windows/GeometryExpected.inc.new
  mv tests/windows/GeometryExpected.inc.new tests/windows/GeometryExpected.inc
  echo "Written tests/windows/GeometryExpected.inc; rebuild and check with $0"
  exit 0
fi

echo "== Linux build"
if ! "$native"; then
  echo "The Linux build itself differs from tests/windows/GeometryExpected.inc." >&2
  echo "If the geometry's results changed on purpose, rewrite the table: $0 --update" >&2
  exit 1
fi

mingw=x86_64-w64-mingw32-g++-posix
windows="$out_dir/geometry_check.exe"
echo "Building $windows ($mingw, static)"
"$mingw" "${flags[@]}" -static "${sources[@]}" -o "$windows"
file "$windows"

# Debian's wine64 package keeps its programs out of PATH.
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
[ -x "$wine" ] || { echo "wine64 not found" >&2; exit 1; }

# A fresh wine prefix of our own: the user's ~/.wine is never touched. A console
# program needs no display.
prefix=$(mktemp -d -t kavorin-wine.XXXXXX)
cleanup() {
  WINEPREFIX="$prefix" "$wineserver" -k >/dev/null 2>&1 || true
  rm -rf "$prefix"
}
trap cleanup EXIT
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
start=$(date +%s)
echo "Preparing the wine prefix"
"$wine" wineboot --init >/dev/null 2>&1 || true
echo "  ($(($(date +%s) - start)) s)"

status=0
echo "== Windows build under wine, C locale"
LANG=C LC_ALL=C "$wine" "$windows" | tr -d '\r' || status=1
echo "== Windows build under wine, Czech user locale"
LANG=cs_CZ.UTF-8 LC_ALL=cs_CZ.UTF-8 "$wine" "$windows" --user-locale | tr -d '\r' || status=1
if [ "$status" != 0 ]; then
  echo "The Windows build computes other numbers than the Linux build (see above)." >&2
  exit 1
fi
echo "The Windows build agrees with the Linux build."
