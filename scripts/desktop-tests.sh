#!/usr/bin/env bash
# Runs the desktop test (tst_DesktopWindows) on a virtual X display, where
# windows get real frames and stacking: first on a bare X server, then under
# the openbox window manager. Installs what is missing on Debian (as root),
# builds the test in the build folder if needed, and stops everything it
# started on exit.
#
#   KAVORIN_BUILD_DIR   build folder (default: build); configured as
#                       scripts/test.sh does when it does not exist yet
#   KAVORIN_XVFB_DISPLAY  X display number to use (default: a free one)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
source scripts/session.sh

die() { echo "desktop-tests: $*" >&2; exit 1; }

kavorin_ensure_packages "${KAVORIN_DESKTOP_PACKAGES[@]}" ||
  die "cannot install the packages the desktop test needs"

build_dir=${KAVORIN_BUILD_DIR:-build}
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  werror=OFF
  [ "${CI:-}" = "true" ] && werror=ON
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKAVORIN_WERROR="$werror"
fi
kavorin_refresh_autogen "$build_dir"
cmake --build "$build_dir" --target tst_DesktopWindows
test_exe=$(realpath "$build_dir/tests/tst_DesktopWindows")
[ -x "$test_exe" ] || die "no test executable at $build_dir/tests/tst_DesktopWindows"

kavorin_session_begin kavorin-desktop-tests

if [ -n "${KAVORIN_XVFB_DISPLAY:-}" ]; then
  display=":$KAVORIN_XVFB_DISPLAY"
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  pids+=($!)
else
  # Xvfb picks a free display itself and tells its number.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  wait_for 15 test -s "$work/display" ||
    { cat "$work/xvfb.log" >&2; die "Xvfb did not start"; }
  display=":$(tr -dc '0-9' <"$work/display")"
fi
wait_for 10 env DISPLAY="$display" xprop -root _NET_SUPPORTED ||
  { cat "$work/xvfb.log" >&2; die "Xvfb on $display does not answer"; }

# A home of its own: no user's window manager settings apply.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

run_test() {
  local what=$1
  echo "== tst_DesktopWindows on $display, $what"
  if ! (cd "$work" && KAVORIN_DESKTOP_DISPLAY="$display" timeout 300 "$test_exe"); then
    echo "desktop-tests: tst_DesktopWindows failed on $display, $what" >&2
    return 1
  fi
}

failed=0
run_test "no window manager" || failed=1

DISPLAY="$display" openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
# shellcheck disable=SC2317  # called through wait_for
wm_ready() { DISPLAY="$display" xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
wait_for 15 wm_ready || { cat "$work/openbox.log" >&2; die "openbox did not start on $display"; }
run_test "openbox" || failed=1

exit $failed
