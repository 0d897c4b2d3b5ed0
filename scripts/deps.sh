# Sourced by run.sh and test.sh: makes sure the Debian packages that the build,
# the program and its tests need are installed.
# shellcheck shell=bash

KAVORIN_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libqt6svg6 libgl-dev
  libqt6printsupport6
  qt6-translations-l10n
  libxcb1-dev
  fonts-dejavu-core
  libboost-dev libbenchmark-dev
  poppler-utils
)

# libqt6printsupport6: the level table prints its dip chart (Qt PrintSupport, whose
# headers come with qt6-base-dev).
# poppler-utils: the tests read the dip chart's PDF back with pdftotext and pdfinfo.

# What scripts/desktop-tests.sh and tools/desktop-session.sh need besides: a
# virtual X server, a window manager and the X property reader that tells when
# the window manager is ready.
# shellcheck disable=SC2034  # used by the scripts that source this file
KAVORIN_DESKTOP_PACKAGES=(xvfb openbox x11-utils)

# What tools/fuzz.sh needs besides: clang with libFuzzer and the sanitizer
# runtimes, and the symbolizer that puts file names and lines in its reports.
# shellcheck disable=SC2034  # used by the scripts that source this file
KAVORIN_FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev llvm-14)

# What scripts/package.sh needs besides: the Debian package tools (dpkg-shlibdeps
# finds the package's dependencies), the validators of the desktop entry, the
# AppStream metadata and the manual page, and Python for the help files' check.
# shellcheck disable=SC2034
KAVORIN_PACKAGE_PACKAGES=(dpkg-dev file desktop-file-utils appstream man-db groff-base python3)

# What scripts/windows-check.sh needs besides: the MinGW-w64 cross compiler for
# 64-bit Windows (the POSIX-threads flavour, whose C++ runtime is complete) and
# wine to run the Windows program.
# shellcheck disable=SC2034
KAVORIN_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine64 file)

kavorin_missing_packages() {
  local pkg missing=()
  for pkg in "${KAVORIN_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  echo "${missing[@]:-}"
}

kavorin_ensure_packages() {
  local missing
  missing=$(kavorin_missing_packages "$@")
  [ -z "$missing" ] && return 0
  if ! command -v apt-get >/dev/null 2>&1; then
    echo "Missing packages: $missing" >&2
    echo "This script installs them with apt-get on Debian; install their equivalents by hand." >&2
    return 1
  fi
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: $missing" >&2
    echo "Install them as root:  sudo apt-get install $missing" >&2
    return 1
  fi
  echo "Installing: $missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # shellcheck disable=SC2086
  apt-get install -y -qq --no-install-recommends $missing
}

# Qt's generated meta-object code can go stale in an existing build folder when
# classes are added or removed (a new header is not picked up and linking fails);
# start it afresh whenever the set of source files has changed.
kavorin_refresh_autogen() {
  local build_dir=$1 stamp list
  stamp="$build_dir/.kavorin-sources"
  list=$(find support computation shell tests -name '*.h' -o -name '*.cpp' 2>/dev/null | sort)
  if [ -d "$build_dir" ] && [ "$list" != "$(cat "$stamp" 2>/dev/null)" ]; then
    find "$build_dir" -maxdepth 2 -type d -name '*_autogen' -exec rm -rf {} +
  fi
  mkdir -p "$build_dir"
  printf '%s' "$list" > "$stamp"
}
