#!/usr/bin/env bash
# Quorvel against the programs a user would pick instead, side by side on
# this machine: series printing against glabels-3-batch, QR Code against
# libqrencode, the linear symbologies and PDF417 against zint, and the
# start-up of the designer window.
#
#   bench/compare.sh            five rounds, series of 1,000 and 10,000 lines
#                               beside gLabels, 100,000 lines ours alone
#   ROUNDS=7 SERIES_LINES="1000" OURS_ONLY_LINES="" bench/compare.sh
#   SKIP_BUILD=1 bench/compare.sh   reuse what is built in $BUILD_DIR
#
# Each pair runs alternately (ours, peer, ours, peer ...) so that the load
# of a shared machine falls on both sides alike; the table shows medians.
# Not part of ./test.sh: it installs packages and runs for minutes.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
rounds=${ROUNDS:-5}
series_lines=${SERIES_LINES:-"1000 10000"}
ours_only_lines=${OURS_ONLY_LINES-"100000"}
memory_limit_kib=$((40 * 1024))
min_labels_per_second=4000
max_pdf_bytes_per_label=800

# --- start-up probe, run inside xvfb-run by measure_startup ---------------
if [[ ${1:-} == --startup-probe ]]; then
  binary=$2
  config=$(mktemp -d)  # the user's settings are neither read nor taken over
  start=$(date +%s%N)
  XDG_CONFIG_HOME=$config "$binary" >/dev/null 2>&1 &
  pid=$!
  until xwininfo -root -tree 2>/dev/null | grep -q 'Quorvel'; do
    kill -0 "$pid" 2>/dev/null || { echo "quorvel exited before showing a window" >&2; exit 1; }
    sleep 0.005
  done
  echo $(( ($(date +%s%N) - start) / 1000000 ))
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  rm -rf "$config"
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

install_peers() {
  local missing=()
  command -v glabels-3-batch >/dev/null || missing+=(glabels)
  [[ -f /usr/include/qrencode.h ]] || missing+=(libqrencode-dev)
  [[ -f /usr/include/zint.h ]] || missing+=(libzint-dev)
  [[ -x /usr/bin/time ]] || missing+=(time)
  command -v xvfb-run >/dev/null || missing+=(xvfb)
  command -v xwininfo >/dev/null || missing+=(x11-utils)
  ((${#missing[@]} == 0)) && return
  local sudo=""
  [[ $(id -u) == 0 ]] || sudo=sudo
  echo "Installing ${missing[*]} ..." >&2
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

build_release() {
  echo "Building the benchmarks in $build ..." >&2
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j2 --target quorvel-batch quorvel ours_encode_bench peer_encode_bench startup_bench >/dev/null
}

median() { sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# CSV lines like ART00001;Beschreibung 1;<EAN-13>;https://example.org/item/1
series_csv() {
  awk -v n="$1" 'BEGIN {
    for (i = 1; i <= n; ++i) {
      digits = sprintf("400%09d", i); sum = 0
      for (k = 1; k <= 12; ++k) sum += substr(digits, k, 1) * ((k % 2) ? 1 : 3)
      printf "ART%05d;Beschreibung %d;%s%d;https://example.org/item/%d\n", i, i, digits, (10 - sum % 10) % 10, i
    }
  }'
}

# Runs a command under /usr/bin/time; prints "cpu_seconds peak_kib". CPU
# time (user + system) rather than wall time: on a shared machine the wall
# clock mostly measures the other jobs.
timed() {
  /usr/bin/time -f "%U %S %M" -o "$work/time" "$@" >"$work/out" 2>&1 || {
    echo "failed: $*" >&2
    tail -5 "$work/out" >&2
    return 1
  }
  awk '{printf "%.2f %d\n", $1 + $2, $3}' "$work/time"
}

rows=()      # table rows: workload, ours, peer, ratio
verdicts=()  # goal lines

add_row() { rows+=("$(printf '%-34s %14s %14s %10s' "$1" "$2" "$3" "$4")"); }

verdict() {  # goal text, PASS-condition (awk expression), shown value
  if awk "BEGIN {exit !($2)}"; then verdicts+=("PASS  $1: $3"); else verdicts+=("FAIL  $1: $3"); fi
}

# Times quorvel-batch on a series of $1 lines; prints "cpu_seconds peak_kib pdf_bytes".
run_ours() {
  local result
  result=$(timed "$build/src/app/quorvel-batch" "$root/bench/data/series.lab" --pdf "$work/ours.pdf" --series "$2" --to "$1")
  echo "$result $(stat -c %s "$work/ours.pdf")"
}

# Ours at this many lines: labels per second, peak memory and PDF bytes per label.
add_ours_rows() {  # lines cpu peak_kib pdf_bytes
  add_row "  labels per second" "$(awk -v n="$1" -v t="$2" 'BEGIN {printf "%.0f", n / (t > 0.005 ? t : 0.005)}')" \
    "${5:-}" ""
  add_row "  peak memory [MiB]" "$(awk -v k="$3" 'BEGIN {printf "%.1f", k / 1024}')" "" ""
  add_row "  PDF bytes per label" "$(awk -v b="$4" -v n="$1" 'BEGIN {printf "%.0f", b / n}')" "${6:-}" ""
}

compare_series() {
  local lines=$1 csv="$work/series-$1.csv" result ours_times=() peer_times=() ours_peaks=() peer_bytes=0 ours_bytes=0
  series_csv "$lines" >"$csv"
  for ((round = 1; round <= rounds; ++round)); do
    echo "  series $lines lines, round $round/$rounds" >&2
    result=$(run_ours "$lines" "$csv")
    read -r cpu peak ours_bytes <<<"$result"
    ours_times+=("$cpu"); ours_peaks+=("$peak")
    result=$(timed env NO_AT_BRIDGE=1 glabels-3-batch -o "$work/peer.pdf" -i "$csv" "$root/bench/peers/series.glabels")
    peer_times+=("${result% *}")
    peer_bytes=$(stat -c %s "$work/peer.pdf")
  done
  local ours peer peak
  ours=$(printf '%s\n' "${ours_times[@]}" | median)
  peer=$(printf '%s\n' "${peer_times[@]}" | median)
  peak=$(printf '%s\n' "${ours_peaks[@]}" | sort -g | tail -1)
  local peer_rate ratio
  peer_rate=$(awk -v n="$lines" -v t="$peer" 'BEGIN {printf "%.1f", n / t}')
  ratio=$(awk -v a="$ours" -v b="$peer" 'BEGIN {printf "%.4f", a / b}')
  add_row "series $lines lines, CPU [s]" "$ours" "$peer" "$ratio"
  add_ours_rows "$lines" "$ours" "$peak" "$ours_bytes" "$peer_rate" "$(awk -v b="$peer_bytes" -v n="$lines" 'BEGIN {printf "%.0f", b / n}')"
  local goal=60
  ((lines >= 10000)) && goal=150
  verdict "series $lines lines at least $goal x the labels per second of glabels" "$ratio <= 1 / $goal" \
    "$(awk -v r="$ratio" 'BEGIN {printf "%.1f x (time ratio ours/peer %s)", 1 / r, r}')"
  record_series "$lines" "$ours" "$peak" "$ours_bytes"
}

# Ours alone, for sizes gLabels would need hours for.
measure_series_alone() {
  local lines=$1 csv="$work/series-$1.csv" result times=() peaks=() bytes=0
  series_csv "$lines" >"$csv"
  for ((round = 1; round <= rounds; ++round)); do
    echo "  series $lines lines (ours alone), round $round/$rounds" >&2
    read -r cpu peak bytes <<<"$(run_ours "$lines" "$csv")"
    times+=("$cpu"); peaks+=("$peak")
  done
  local ours peak
  ours=$(printf '%s\n' "${times[@]}" | median)
  peak=$(printf '%s\n' "${peaks[@]}" | sort -g | tail -1)
  add_row "series $lines lines, CPU [s]" "$ours" "" ""
  add_ours_rows "$lines" "$ours" "$peak" "$bytes"
  record_series "$lines" "$ours" "$peak" "$bytes"
}

record_series() {  # lines cpu peak_kib pdf_bytes
  eval "series_cpu_$1=$2 series_peak_$1=$3 series_pdf_$1=$4"
}

series_verdicts() {
  local largest="" lines cpu peak bytes
  for lines in $series_lines $ours_only_lines; do
    largest=$lines
    ((lines >= 10000)) || continue
    eval "cpu=\$series_cpu_$lines"
    verdict "series $lines lines at least $min_labels_per_second labels per second" \
      "$lines / $cpu >= $min_labels_per_second" "$(awk -v n="$lines" -v t="$cpu" 'BEGIN {printf "%.0f labels/s", n / t}')"
  done
  [[ -n $largest ]] || return 0
  eval "peak=\$series_peak_$largest bytes=\$series_pdf_$largest"
  verdict "series $largest lines at most $max_pdf_bytes_per_label PDF bytes per label" \
    "$bytes / $largest <= $max_pdf_bytes_per_label" "$(awk -v b="$bytes" -v n="$largest" 'BEGIN {printf "%.0f bytes", b / n}')"
  verdict "series $largest lines peak memory at most 40 MiB" "$peak <= $memory_limit_kib" \
    "$(awk -v k="$peak" 'BEGIN {printf "%.1f MiB", k / 1024}')"
}

# Peak memory must not grow with the lines beyond what the PDF grows.
memory_verdict() {
  local small=${series_peak_1000:-} large=${series_peak_10000:-}
  [[ -n $small && -n $large ]] || return 0
  local growth pdf_growth
  growth=$((large - small))
  pdf_growth=$(((series_pdf_10000 - series_pdf_1000) / 1024))
  verdict "series peak memory does not grow with lines beyond the PDF" "$growth <= $pdf_growth + 4096" \
    "$(awk -v g="$growth" -v p="$pdf_growth" 'BEGIN {printf "+%.1f MiB for 9,000 more lines, PDF +%.1f MiB", g / 1024, p / 1024}')"
}

# Runs a Google Benchmark program; prints "name cpu_nanoseconds" per benchmark.
bench_times() {
  "$1" --benchmark_min_time=0.2 --benchmark_format=csv 2>/dev/null | awk -F, '
    NR > 1 && $1 !~ /^name/ {
      scale = ($5 == "\"ns\"" || $5 == "ns") ? 1 : ($5 ~ /us/) ? 1e3 : ($5 ~ /ms/) ? 1e6 : 1
      gsub(/"/, "", $1); print $1, $4 * scale
    }'
}

compare_encoders() {
  local ours="$build/bench/peers/ours_encode_bench" peer="$build/bench/peers/peer_encode_bench"
  for ((round = 1; round <= rounds; ++round)); do
    echo "  encoders, round $round/$rounds" >&2
    bench_times "$ours" >>"$work/ours-encode"
    bench_times "$peer" >>"$work/peer-encode"
  done
  local name goal ours_ns peer_ns ratio
  while read -r name goal; do
    ours_ns=$(awk -v n="$name" '$1 == n {print $2}' "$work/ours-encode" | median)
    peer_ns=$(awk -v n="$name" '$1 == n {print $2}' "$work/peer-encode" | median)
    ratio=$(awk -v a="$ours_ns" -v b="$peer_ns" 'BEGIN {printf "%.3f", a / b}')
    add_row "$name [ns]" "$ours_ns" "$peer_ns" "$ratio"
    verdict "$goal no slower than the peer" "$ratio <= 1" "ratio $ratio"
  done <<'EOF'
BM_QrUrl30L QR 30-char URL at level L (libqrencode)
BM_QrMixed500M QR 500 mixed bytes at level M (libqrencode)
BM_QrVersion40L QR version 40 at level L (libqrencode)
BM_Ean13 EAN-13 (zint)
BM_Code128 Code 128 (zint)
BM_Pdf417Text100 PDF417 of 100 characters (zint)
EOF
}

# The designer window from the start window's login, on a virtual X server:
# bench/app/StartupBench.cpp confirms the login, opens the designer from the
# menu and times until its window is exposed. Beside it, for reference, the
# wall time from process start to the start window.
compare_startup() {
  local times=() login=()
  for ((round = 1; round <= rounds; ++round)); do
    times+=("$(xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --startup-probe "$build/src/app/quorvel")")
    login+=("$(xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/app/startup_bench" \
      --benchmark_filter=BM_LoginToDesignerWindow --benchmark_format=csv 2>/dev/null |
      awk -F, '$1 ~ /LoginToDesigner/ {print $3}')")
  done
  local startup designer
  startup=$(printf '%s\n' "${times[@]}" | median)
  designer=$(printf '%s\n' "${login[@]}" | median)
  add_row "process start to start window [ms]" "$startup" "" ""
  add_row "login to designer window [ms]" "$designer" "" ""
  verdict "designer window within 500 ms of the login" "$designer <= 500" "$designer ms"
}

install_peers
[[ -n ${SKIP_BUILD:-} ]] || build_release
for lines in $series_lines; do compare_series "$lines"; done
for lines in $ours_only_lines; do measure_series_alone "$lines"; done
series_verdicts
memory_verdict
compare_encoders
compare_startup

echo
echo "Machine: $(nproc) cores, $(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo), load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Medians of $rounds alternating rounds; ratio = ours / peer (below 1: ours is faster)"
printf '%-34s %14s %14s %10s\n' "workload" "ours" "peer" "ours/peer"
printf '%s\n' "${rows[@]}"
echo
printf '%s\n' "${verdicts[@]}"
