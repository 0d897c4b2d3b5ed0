#!/usr/bin/env bash
# Builds a Release of Kavorin and starts it. Installs what is missing on Debian.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
kavorin_ensure_packages

build_dir=${KAVORIN_RELEASE_DIR:-build-release}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DKAVORIN_BUILD_TESTS=OFF -DKAVORIN_BUILD_TOOLS=OFF
kavorin_refresh_autogen "$build_dir"
cmake --build "$build_dir" --target Kavorin
exec "$build_dir/Kavorin" "$@"
