#!/usr/bin/env bash
# The soak: Kavorin, as built, under seeded random input for a while, restarted
# whenever it ends normally. It fails on a crash, a sanitizer report, a leak with a
# frame of the program in its stack, a hang (ten seconds without an event handled)
# or a window that leaves the display, and then prints the run's seed and a
# command that runs it again.
#
#     tests/soak/soak.sh [--build DIR] [--seconds N] [--seed S] [--runs N]
#                        [--run-seconds N] [--from FOLDER]
#
#   --build DIR        the build folder (default build-sanitize; it needs Kavorin and
#                      tests/soak/generic/libkavorin_soak.so, built with the tests)
#   --seconds N        the whole soak's length (default 120)
#   --seed S           the first run's seed (default: from the clock); run i has S+i
#   --runs N           stop after N runs (a replay is --seed S --runs 1)
#   --run-seconds N    the longest run (default 30; each run lasts 5 to N seconds,
#                      as its seed says, unless the program is closed before)
#   --from FOLDER      the settings folder to start from (a failure keeps the one its
#                      run started with, for the replay)
#
# The settings stay from one run to the next, as a user's do (the main window's
# place, the language, the side windows). A failing run's starting settings, its
# log and output are kept in BUILD/soak-failure/, and the replay command names them.
# The driver is tests/soak/SoakDriver.cpp. Everything the program writes stays in
# a temporary folder: home, settings, caches, runtime folder, the folder file
# dialogs save to. The desktop opens nothing (a handler in the driver, and silent
# xdg-open and xdg-mime programs first on the PATH); the version check reaches the driver's
# server on 127.0.0.1, and where the system allows it the program runs in a network
# namespace of its own, with the loopback interface only. Each run is offscreen on
# one of a few screen layouts (one screen of several sizes, two side by side).
set -euo pipefail
cd "$(dirname "$0")/../.."

build=build-sanitize
total=120
seed=
runs=0
run_seconds=30
from=
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build=$2; shift 2 ;;
    --seconds) total=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --run-seconds) run_seconds=$2; shift 2 ;;
    --from) from=$(realpath "$2"); shift 2 ;;
    *) echo "usage: $0 [--build DIR] [--seconds N] [--seed S] [--runs N] [--run-seconds N] [--from FOLDER]" >&2
       exit 2 ;;
  esac
done
program=$(realpath -m "$build/Kavorin")
plugins=$(realpath -m "$build/tests/soak")
for file in "$program" "$plugins/generic/libkavorin_soak.so"; do
  [ -e "$file" ] || { echo "soak: missing $file (build the tests in $build first)" >&2; exit 2; }
done
[ -n "$seed" ] || seed=$(date +%s)

# LeakSanitizer's report in $1: how many leaks have a frame of the program in their
# stack (its executable, or a source file of its four folders), and how many have
# none, as two numbers.
leaks_by_owner() {
  awk -v program="$program" '
    /^(Direct|Indirect) leak of / { if (inleak) count(); inleak = 1; ours = 0; next }
    inleak && /^ *#[0-9]+ / {
      if (index($0, program) || $0 ~ /(^|[ \/(])(geometry|support|computation|shell)\/[A-Za-z0-9_\/]+\.(cpp|h)(:| |$)/)
        ours = 1
      next
    }
    inleak && !/^ *#[0-9]+ / { count(); inleak = 0 }
    function count() { if (ours) mine++; else theirs++ }
    END { if (inleak) count(); print mine + 0, theirs + 0 }
  ' "$1"
}

sandbox=$(mktemp -d -t kavorin-soak.XXXXXX)
trap 'rm -rf "$sandbox"' EXIT
mkdir -p "$sandbox"/{home,config,cache,data,runtime,tmp,work,bin}
chmod 700 "$sandbox/runtime"
[ -z "$from" ] || cp -a "$from/." "$sandbox/config/"
# Nothing the desktop would start: the help's question for an RTF program gets no
# answer, and nothing is opened.
for opener in xdg-open xdg-mime sensible-browser x-www-browser www-browser; do
  printf '#!/bin/sh\nexit 0\n' >"$sandbox/bin/$opener"
  chmod +x "$sandbox/bin/$opener"
done
# Screen layouts, chosen by each run's seed.
layouts=(
  '[{"name":"a","x":0,"y":0,"width":1280,"height":1024}]'
  '[{"name":"a","x":0,"y":0,"width":1920,"height":1080}]'
  '[{"name":"a","x":0,"y":0,"width":1024,"height":768}]'
  '[{"name":"a","x":0,"y":0,"width":1280,"height":1024},{"name":"b","x":1280,"y":0,"width":1280,"height":1024}]'
)
# A network namespace of its own, with only the loopback interface, where the
# system lets us make one.
isolate=()
if unshare -rn sh -c 'ip link set lo up' 2>/dev/null; then
  isolate=(unshare -rn sh -c 'ip link set lo up && exec "$@"' isolate)
elif unshare -n sh -c 'ip link set lo up' 2>/dev/null; then
  isolate=(unshare -n sh -c 'ip link set lo up && exec "$@"' isolate)
else
  echo "soak: no network namespace here; the driver's proxy alone keeps the version check local"
fi

echo "soak: $program for ${total}s, seed $seed (runs use seed $seed, $((seed + 1)), ...)"
started=$SECONDS
run=0
while :; do
  [ "$runs" -gt 0 ] && [ "$run" -ge "$runs" ] && break
  [ "$runs" -gt 0 ] || [ $((SECONDS - started)) -lt "$total" ] || break
  run_seed=$((seed + run))
  length=$((5 + run_seed % (run_seconds > 5 ? run_seconds - 4 : 1)))
  layout=${layouts[$((run_seed % ${#layouts[@]}))]}
  printf '{"screens": %s}\n' "$layout" >"$sandbox/screens.json"
  log=$sandbox/run-$run.log
  : >"$log"
  echo "soak: run $run, seed $run_seed, ${length}s, screens $layout"
  rm -rf "$sandbox/start-config"
  cp -a "$sandbox/config" "$sandbox/start-config"
  status=0
  (cd "$sandbox/work" &&
    env -i PATH="$sandbox/bin:$PATH" HOME="$sandbox/home" XDG_CONFIG_HOME="$sandbox/config" \
      XDG_CACHE_HOME="$sandbox/cache" XDG_DATA_HOME="$sandbox/data" \
      XDG_RUNTIME_DIR="$sandbox/runtime" TMPDIR="$sandbox/tmp" LANG="${LANG:-C.UTF-8}" \
      QT_QPA_PLATFORM="offscreen:configfile=$sandbox/screens.json" \
      QT_PLUGIN_PATH="$plugins" QT_QPA_GENERIC_PLUGINS=kavorin_soak \
      KAVORIN_SOAK_SEED="$run_seed" KAVORIN_SOAK_SECONDS="$length" KAVORIN_SOAK_LOG="$log" \
      KAVORIN_SOAK_FOLDER="$sandbox/work" \
      LSAN_OPTIONS="exitcode=0" ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1" \
      UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
      timeout -k 10 $((length + 120)) "${isolate[@]}" "$program" \
      >"$sandbox/run.out" 2>&1) || status=$?
  # A sanitizer that reports without stopping still fails the run; so does a leak
  # with a frame of the program in its stack. Leaks do not stop the program
  # (exitcode=0 above): one held inside Qt's own libraries at exit, with no frame
  # of the program, is named here and not counted.
  if [ "$status" = 0 ] && grep -qE 'runtime error:|ERROR: AddressSanitizer' "$sandbox/run.out"; then
    status=99
  fi
  if [ "$status" = 0 ] && grep -q 'ERROR: LeakSanitizer' "$sandbox/run.out"; then
    read -r ours others < <(leaks_by_owner "$sandbox/run.out")
    if [ "$ours" -gt 0 ]; then
      status=98
    else
      echo "soak:   $others leak(s) inside Qt's libraries with no frame of the program, not counted"
    fi
  fi
  if [ "$status" != 0 ]; then
    kept=$build/soak-failure/seed-$run_seed
    rm -rf "$kept"
    mkdir -p "$kept"
    cp -a "$sandbox/start-config" "$kept/config"
    cp "$log" "$kept/steps.log"
    cp "$sandbox/run.out" "$kept/output.txt"
    echo "soak: FAIL in run $run (seed $run_seed): exit status $status" >&2
    echo "---- the program's output (last 40 lines but the platform's notes)" >&2
    grep -v '^This plugin does not support' "$sandbox/run.out" | tail -n 40 >&2 || true
    echo "---- the driver's last steps" >&2
    tail -n 30 "$log" >&2
    echo "---- kept in $kept; replay:" >&2
    echo "$0 --build $build --seed $run_seed --runs 1 --run-seconds $run_seconds --from $kept/config" >&2
    exit 1
  fi
  echo "soak:   $(grep -c . "$log") steps"
  run=$((run + 1))
done
echo "soak: $run runs in $((SECONDS - started))s, no fault"
