#!/usr/bin/env bash
# Fuzzes every reader of outside input with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer (clang). Installs what is missing on Debian.
#
#   tools/fuzz.sh [SECONDS] [TARGET...]
#
# SECONDS is the time each target runs (default 60); TARGETs are names from
# fuzz/CMakeLists.txt (LanguageFile, NumberParsing, RoundToStr, VersionCheck,
# SolidFigures, Lengths, Materials), all of them by default. The build goes to
# build-fuzz/ (KAVORIN_FUZZ_BUILD_DIR overrides it). libFuzzer takes its seed
# from the clock, so every run tries new inputs; KAVORIN_FUZZ_SEED=N fixes it,
# so that a run (CI's) takes the same path again on the same corpus.
#
# Each target starts from a fresh copy of its seed corpus fuzz/corpus/TARGET in
# build-fuzz/runs/TARGET/corpus, so the repository stays as it is; the inputs
# found on the way stay in that copy. The run fails on any crash, leak,
# sanitizer report, exception that is not the model's, violated property, or
# input that takes longer than 10 seconds (a hang). The input that shows it is
# kept as build-fuzz/runs/TARGET/crash-* (leak-*, timeout-*, oom-*); replay it with
#
#   build-fuzz/fuzz/fuzz_TARGET build-fuzz/runs/TARGET/crash-...
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
kavorin_ensure_packages "${KAVORIN_FUZZ_PACKAGES[@]}"

seconds=${1:-60}
if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
  echo "usage: $0 [seconds-per-target] [target...]" >&2
  exit 2
fi
shift || true
build_dir=${KAVORIN_FUZZ_BUILD_DIR:-build-fuzz}

# clang for everything in this folder; -O1 with line tables is what fuzzing
# usually runs: fast, and every report names its file and line. Assertions stay on.
cmake -S . -B "$build_dir" -G Ninja \
      -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -gline-tables-only" \
      -DKAVORIN_BUILD_FUZZ=ON -DKAVORIN_BUILD_TESTS=OFF -DKAVORIN_BUILD_TOOLS=OFF \
      -DKAVORIN_BUILD_BENCH=OFF
kavorin_refresh_autogen "$build_dir"
cmake --build "$build_dir" --target kavorin_fuzz -j "$(nproc)"

# name, executable, largest input, seed corpus, dictionary: one target a line.
manifest="$build_dir/fuzz/targets.txt"
declare -A executable max_len seeds dict
all=()
while IFS=$'\t' read -r name exe len corpus dictionary; do
  [ -n "$name" ] || continue
  all+=("$name")
  executable[$name]=$exe
  max_len[$name]=$len
  seeds[$name]=$corpus
  dict[$name]=$dictionary
done < "$manifest"

targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")
for name in "${targets[@]}"; do
  if [ -z "${executable[$name]:-}" ]; then
    echo "No fuzz target '$name'; there are: ${all[*]}" >&2
    exit 2
  fi
done

# Every report is fatal; leaks are reported at the end of each input that leaks.
# Returns from the stack are not watched here (it costs three quarters of the
# executions; the sanitizer build of the tests watches them).
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
if [ -x /usr/lib/llvm-14/bin/llvm-symbolizer ]; then
  export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
fi

runs="$build_dir/runs"
summary=()
passed=0
failed=0
for name in "${targets[@]}"; do
  run="$runs/$name"
  rm -rf "$run"
  mkdir -p "$run/corpus" "$run/tmp"
  cp -R "${seeds[$name]}/." "$run/corpus/"
  options=(-max_total_time="$seconds" -max_len="${max_len[$name]}" -timeout=10
           -rss_limit_mb=2560 -detect_leaks=1 -print_final_stats=1
           -artifact_prefix="$run/")
  [ "${dict[$name]}" = "-" ] || options+=(-dict="${dict[$name]}")
  [ -z "${KAVORIN_FUZZ_SEED:-}" ] || options+=(-seed="$KAVORIN_FUZZ_SEED")
  echo "== fuzz_$name for $seconds s (inputs up to ${max_len[$name]} bytes)"
  status=0
  # The outer limit only guards against a run that never ends on its own.
  TMPDIR="$run/tmp" timeout --kill-after=10 $((seconds + 300)) \
    "${executable[$name]}" "${options[@]}" "$run/corpus" > "$run/log.txt" 2>&1 || status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$run/log.txt" | tail -1)
  per_second=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$run/log.txt" | tail -1)
  if [ "$status" -eq 0 ] &&
     ! grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer|libFuzzer)|runtime error:|==FUZZ==' "$run/log.txt"; then
    result=ok
    passed=$((passed + 1))
  else
    result="FAILED (exit $status)"
    failed=$((failed + 1))
    echo "-- fuzz_$name failed; the end of its log ($run/log.txt):"
    grep -vE '^#[0-9]+' "$run/log.txt" | tail -60
    for artifact in "$run"/crash-* "$run"/leak-* "$run"/timeout-* "$run"/oom-*; do
      [ -e "$artifact" ] && echo "-- input kept: $artifact (replay: ${executable[$name]} $artifact)"
    done
  fi
  summary+=("$(printf '%-14s %12s %10s   %s' "$name" "${executions:-?}" "${per_second:-?}" "$result")")
done

echo
echo "Fuzzing, $seconds s per target"
printf '%-14s %12s %10s   %s\n' target executions "per second" result
printf '%s\n' "${summary[@]}"
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
