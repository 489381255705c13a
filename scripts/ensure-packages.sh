#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# when any of them is missing. Sourced by run.sh and test.sh.
set -euo pipefail

QUORVEL_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libjpeg62-turbo-dev libcups2-dev
  libgtest-dev libgmock-dev libbenchmark-dev libzxing-dev
  fonts-liberation fonts-liberation2 poppler-utils xvfb xauth
  fonts-droid-fallback  # glyphs for Chinese, Japanese and Korean, which the tests print
  qt6-translations-l10n desktop-file-utils appstream shared-mime-info
)

# Only for ./test.sh --ci: clang with its sanitizer and libFuzzer runtimes
# (libclang-rt is only recommended by clang), and a CUPS server with a PDF queue.
QUORVEL_CI_PACKAGES=(clang libclang-rt-14-dev cups printer-driver-cups-pdf)

# quorvel_missing_packages [--ci]
quorvel_missing_packages() {
  local missing=() package wanted=("${QUORVEL_PACKAGES[@]}")
  [ "${1:-}" = --ci ] && wanted+=("${QUORVEL_CI_PACKAGES[@]}")
  for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  echo "${missing[@]:-}"
}

# quorvel_ensure_packages [--ci]
quorvel_ensure_packages() {
  local missing
  missing=$(quorvel_missing_packages "$@")
  [ -z "$missing" ] && return 0
  echo "Installing missing packages: $missing"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo=(sudo)
    else
      echo "These packages are missing and installing them needs root: $missing" >&2
      echo "Run this script as root, or install them with: apt-get install $missing" >&2
      exit 1
    fi
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  # shellcheck disable=SC2086
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends $missing
}

# quorvel_build BUILD_DIR [CMAKE_OPTIONS...]
# Configures every time with the options given, so that an existing build
# folder takes them too (CMake keeps cached options that are not given).
quorvel_build() {
  local build_dir=$1
  shift
  cmake -S . -B "$build_dir" -G Ninja "$@"
  cmake --build "$build_dir" -j2
}
