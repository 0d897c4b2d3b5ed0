#!/usr/bin/env bash
# Builds Kavorin and runs every test. Installs what is missing on Debian.
#
#   ./scripts/test.sh            Debug build in build/ (the everyday run)
#   ./scripts/test.sh release    Release build (-O3) in build-release-tests/
#   ./scripts/test.sh sanitize   AddressSanitizer + UndefinedBehaviorSanitizer, leak checking
#                                on, in build-sanitize/
#
# CI=true turns compiler warnings into errors. KAVORIN_BUILD_DIR overrides the folder.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
kavorin_ensure_packages

mode=${1:-debug}
case "$mode" in
  debug)    build_type=Debug;          sanitize=OFF; default_dir=build ;;
  release)  build_type=Release;        sanitize=OFF; default_dir=build-release-tests ;;
  sanitize) build_type=RelWithDebInfo; sanitize=ON;  default_dir=build-sanitize ;;
  *) echo "usage: $0 [debug|release|sanitize]" >&2; exit 2 ;;
esac
build_dir=${KAVORIN_BUILD_DIR:-$default_dir}
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" \
      -DKAVORIN_WERROR="$werror" -DKAVORIN_SANITIZE="$sanitize"
kavorin_refresh_autogen "$build_dir"
cmake --build "$build_dir"

export QT_QPA_PLATFORM=offscreen
if [ "$sanitize" = ON ]; then
  # Any report, a leak included, fails the test.
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
cd "$build_dir"
ctest --output-on-failure -j"$(nproc)"
