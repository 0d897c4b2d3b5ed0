#!/usr/bin/env bash
# Builds Kavorin and runs every test. Installs what is missing on Debian.
# CI=true turns compiler warnings into errors.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
kavorin_ensure_packages

build_dir=${KAVORIN_BUILD_DIR:-build}
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKAVORIN_WERROR="$werror"
kavorin_refresh_autogen "$build_dir"
cmake --build "$build_dir"

export QT_QPA_PLATFORM=offscreen
cd "$build_dir"
ctest --output-on-failure -j"$(nproc)"
