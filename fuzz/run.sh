#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (folder build-fuzz, or an already
# configured QUORVEL_FUZZ_BUILD) and runs each for SECONDS on its corpus under
# fuzz/corpus/. New inputs go to <build>/corpus/<target>, findings to
# <build>/findings/<target>.
#   fuzz/run.sh SECONDS [TARGET...]
# FUZZ_JOBS targets run side by side (default 2). Exits non-zero on a finding.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:?usage: fuzz/run.sh SECONDS [TARGET...]}
shift
build=${QUORVEL_FUZZ_BUILD:-build-fuzz}
# A build folder given by QUORVEL_FUZZ_BUILD was configured by its caller;
# the own one is configured every time, so that it always has these options.
if [ -z "${QUORVEL_FUZZ_BUILD:-}" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DQUORVEL_FUZZ=ON -DQUORVEL_BUILD_TESTS=OFF -DQUORVEL_BUILD_BENCH=OFF
fi
cmake --build "$build" -j2 --target quorvel_fuzzers

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for corpus in fuzz/corpus/*/; do targets+=("$(basename "$corpus")"); done
fi

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

run_one() {
  local target=$1 seconds=$2 build=$3
  # Whole batch runs must stay within a small shop machine's memory, whatever
  # their input; the readers alone get more room.
  local rss_limit=2560
  [ "$target" = fuzz_batch ] && rss_limit=512
  mkdir -p "$build/corpus/$target" "$build/findings/$target"
  local log="$build/findings/$target.log"
  if "$build/fuzz/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb="$rss_limit" -max_len=8192 \
      -print_final_stats=1 -artifact_prefix="$build/findings/$target/" \
      "$build/corpus/$target" "fuzz/corpus/$target" >"$log" 2>&1; then
    echo "$target: $(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}') runs in ${seconds} s, no finding"
  else
    echo "$target: FINDING (log $log)"
    tail -n 40 "$log"
    return 1
  fi
}
export -f run_one

printf '%s\n' "${targets[@]}" | xargs -P "${FUZZ_JOBS:-2}" -I{} bash -c 'run_one "$@"' _ {} "$seconds" "$build"
