#!/usr/bin/env bash
# A production run through a real CUPS server: a 10-sheet series as jobs of
# 2 sheets to a class of two PDF queues. Every label comes out exactly once
# in the jobs of the report; a cancelled job makes --wait fail naming its
# sheets, and --from-sheet/--to-sheet of those sheets prints exactly the
# missing labels.
#   cups-production.sh QUORVEL_BATCH CUPS_TEST_HELPER
# Exits 77 (skipped) where this machine cannot run CUPS.
set -uo pipefail

batch=$1
helper=$2
source "$(dirname "$0")/cups-server.sh"
cups_server cancel cupsenable cupsdisable cupsaccept pdftoppm
batch_pid=
on_exit='[ -n "$batch_pid" ] && kill "$batch_pid" 2>/dev/null'

class=QuorvelTestClass
queues+=("$class")  # removed before its members
for queue in QuorvelTestPDF1 QuorvelTestPDF2; do
  add_pdf_queue "$queue"
  lpadmin -p "$queue" -c "$class" || fail "lpadmin could not add $queue to the class $class"
done
cupsenable "$class" && cupsaccept "$class" || fail "the class $class does not accept jobs"

read -r sheet_width sheet_height < <("$helper" printable QuorvelTestPDF1) || fail "Qt does not see the queue"
"$helper" label "$work/series.lab" || fail "could not write the label"
for line in $(seq -w 1 40); do printf 'L%s\r\n' "$line"; done >"$work/series.csv"  # 4 a sheet: 10 sheets

# collect DIR: moves the PDFs that cups-pdf finished writing since the run began into DIR.
collect() {
  mkdir -p "$1"
  local pdf
  while IFS= read -r pdf; do
    tail -c 64 "$pdf" | grep -q '%%EOF' && mv "$pdf" "$1/"
  done < <(find "${pdf_folders[@]}" -name '*.pdf' -newer "$work/since" 2>/dev/null)
}
count_pdfs() { [ "$(find "$1" -name '*.pdf' | wc -l)" -ge "$2" ]; }
# labels DIR: the decoded labels of every page of every PDF in DIR, one a line, sorted.
labels() {
  local pdf page
  for pdf in "$1"/*.pdf; do
    pdftoppm -r 254 -png "$pdf" "$pdf-page" 2>/dev/null || return 1
    for page in "$pdf"-page*.png; do "$helper" decode-cells "$page" 254 || return 1; done
  done | sort
}
run() {
  "$batch" "$work/series.lab" --printer "$class" --series "$work/series.csv" \
    --sheet-width "$sheet_width" --sheet-height "$sheet_height" --job-sheets 2 --wait "$@"
}

# Hold the class so that a job can be cancelled before it prints.
touch "$work/since"
cupsdisable "$class"
run --report "$work/report.json" 2>"$work/errors.txt" &
batch_pid=$!
until_within 60 sh -c "[ \$(lpstat -o $class 2>/dev/null | wc -l) -ge 5 ]" || fail "the run did not queue 5 jobs"
third=$(lpstat -o "$class" | awk '{print $1}' | sed 's/.*-//' | sort -n | sed -n 3p)
cancel "$third" || fail "could not cancel job $third"
cupsenable "$class"
until_within 120 sh -c "! kill -0 $batch_pid 2>/dev/null" || fail "--wait did not return"
wait "$batch_pid"
status=$?
batch_pid=
[ "$status" -eq 1 ] || fail "--wait exited $status with a cancelled job: $(cat "$work/errors.txt")"
grep -q "Auftrag $third (Bogen 5–6, Zeilen 17–24): canceled" "$work/errors.txt" \
  || fail "the message does not name the cancelled job's sheets: $(cat "$work/errors.txt")"
[ "$(grep -c '"id"' "$work/report.json")" -eq 5 ] || fail "the report does not list 5 jobs: $(cat "$work/report.json")"

collected() { collect "$1"; count_pdfs "$1" "$2"; }
until_within 30 collected "$work/pdf" 4 || fail "the queues wrote $(find "$work/pdf" -name '*.pdf' | wc -l) complete PDFs, not 4"
printed=$(labels "$work/pdf") || fail "could not decode the printed PDFs"
expected=$(sed -n '1,16p;25,40p' "$work/series.csv" | tr -d '\r')
[ "$printed" = "$expected" ] || fail "the jobs printed [$(echo $printed)], expected every line but 17 to 24 once"

# Each completed job of the report holds exactly its lines, in sheet order.
grep '"state": "completed"' "$work/report.json" | while read -r job; do
  first=$(echo "$job" | sed 's/.*"first_line": \([0-9]*\).*/\1/')
  last=$(echo "$job" | sed 's/.*"last_line": \([0-9]*\).*/\1/')
  sheet=$(echo "$job" | sed 's/.*"first_sheet": \([0-9]*\).*/\1/')
  [ "$first" -eq $(((sheet - 1) * 4 + 1)) ] && [ "$last" -eq $((sheet * 4 + 4)) ] \
    || fail "job [$job] holds lines $first to $last"
done || exit 1

# The missing sheets again, alone.
touch "$work/since"
run --from-sheet 5 --to-sheet 6 2>"$work/errors.txt" || fail "printing sheets 5 to 6 failed: $(cat "$work/errors.txt")"
until_within 30 collected "$work/again" 1 || fail "the queues wrote no complete PDF for sheets 5 to 6"
again=$(labels "$work/again") || fail "could not decode the reprint"
[ "$again" = "$(sed -n '17,24p' "$work/series.csv" | tr -d '\r')" ] || fail "the reprint holds [$(echo $again)]"
echo "5 jobs of 2 sheets through the class; job $third cancelled and named; its sheets printed again alone"
