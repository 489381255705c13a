#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quorvel.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh

quorvel_ensure_packages
quorvel_build build -DCMAKE_BUILD_TYPE=Release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. Start Quorvel in a virtual display with:"
  echo "  xvfb-run -a -s \"-screen 0 1280x1024x24\" ./build/src/app/quorvel"
  exit 0
fi
exec ./build/src/app/quorvel "$@"
