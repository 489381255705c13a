#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
#   ./test.sh        the Release build and its tests
#   ./test.sh --ci   also: the tests built with AddressSanitizer and
#                    UndefinedBehaviorSanitizer (clang, build-asan), every fuzz target
#                    for QUORVEL_FUZZ_SECONDS (default 60) on its corpus, and
#                    printing through a real CUPS server. The Release tests
#                    run last so that their summary closes the output.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh

ci=()
case "${1:-}" in
  "") ;;
  --ci) ci=(--ci) ;;
  *) echo "usage: ./test.sh [--ci]" >&2; exit 2 ;;
esac

quorvel_ensure_packages "${ci[@]}"
quorvel_build build -DCMAKE_BUILD_TYPE=Release

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"

if [ ${#ci[@]} -eq 0 ]; then
  # The CUPS test needs packages that only --ci installs.
  ctest --test-dir build --output-on-failure -j2 --timeout 600 -LE cups
  exit
fi

# One clang build serves both stages: the tests with the sanitizers, and the
# fuzz targets that need clang's libFuzzer.
quorvel_build build-asan -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DQUORVEL_SANITIZE=ON -DQUORVEL_FUZZ=ON -DQUORVEL_BUILD_BENCH=OFF
echo "== Tests with AddressSanitizer and UndefinedBehaviorSanitizer"
# The build must really be sanitized: its probe's heap overflow is caught.
if probe=$(build-asan/tests/sanitizer_probe 2>&1) || ! grep -q "AddressSanitizer: heap-buffer-overflow" <<<"$probe"; then
  echo "build-asan is not built with AddressSanitizer: its probe ran unchecked" >&2
  exit 1
fi
ctest --test-dir build-asan --output-on-failure -j2 --timeout 900 -LE cups

echo "== Fuzzing"
QUORVEL_FUZZ_BUILD=build-asan fuzz/run.sh "${QUORVEL_FUZZ_SECONDS:-60}"

echo "== Tests, with printing through CUPS"
ctest --test-dir build --output-on-failure -j2 --timeout 600
