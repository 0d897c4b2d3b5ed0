#!/usr/bin/env bash
# Start-up of Kavorin beside a minimal Qt Widgets program (bench/minimal_qt.cpp),
# measured from outside in the same run: each is started RUNS times, in turn,
# offscreen, and quits once its main window has been painted
# (KAVORIN_QUIT_AFTER_SHOW=1). bench/startup_timer.cpp takes user and system CPU
# time, wall time and peak resident memory of each start; the medians and their
# ratios are printed.
#
#     bench/startup.sh [BUILD_FOLDER] [RUNS] [PROGRAM...]
#
# Defaults: build-bench, 30 starts, BUILD_FOLDER/Kavorin. More PROGRAMs (a copy of
# an earlier build kept beside the language folder, say) are started in the same
# turns, so that they meet the same load; each is compared with minimal_qt.
#
# Settings, caches and the lock file go to a temporary home folder.
set -euo pipefail

build=${1:-build-bench}
runs=${2:-30}
shift $(($# < 2 ? $# : 2))
programs=("$@")
[ ${#programs[@]} -gt 0 ] || programs=("$build/Kavorin")
minimal=$build/bench/minimal_qt
timer=$build/bench/startup_timer
for program in "${programs[@]}" "$minimal" "$timer"; do
  [ -x "$program" ] || { echo "missing $program (build Kavorin, minimal_qt and startup_timer)" >&2; exit 1; }
done

sandbox=$(mktemp -d)
trap 'rm -rf "$sandbox"' EXIT
mkdir -p "$sandbox/home" "$sandbox/config" "$sandbox/cache" "$sandbox/runtime"
chmod 700 "$sandbox/runtime"

env -i PATH="$PATH" HOME="$sandbox/home" XDG_CONFIG_HOME="$sandbox/config" \
    XDG_CACHE_HOME="$sandbox/cache" XDG_RUNTIME_DIR="$sandbox/runtime" \
    LANG="${LANG:-C.UTF-8}" QT_QPA_PLATFORM=offscreen KAVORIN_QUIT_AFTER_SHOW=1 \
    "$timer" "$runs" "${programs[@]}" "$minimal"
