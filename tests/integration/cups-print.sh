#!/usr/bin/env bash
# Prints a three-line series and four copies of a PDF417 label through a real
# CUPS server with a PDF queue and decodes the barcodes of the PDFs the queue wrote.
#   cups-print.sh QUORVEL_BATCH CUPS_TEST_HELPER
# Exits 77 (skipped) where this machine cannot run CUPS: not root, packages
# missing, or cupsd does not come up.
set -uo pipefail

batch=$1
helper=$2
source "$(dirname "$0")/cups-server.sh"
cups_server pdftoppm

queue=QuorvelTestPDF
add_pdf_queue "$queue"

# The sheet is the queue's printable area, as a user measures it; then a
# millimetre on the label is a millimetre on paper.
read -r sheet_width sheet_height < <("$helper" printable "$queue") || fail "Qt does not see the queue $queue"
"$helper" label "$work/series.lab" || fail "could not write the label"
printf 'ALPHA\r\nBRAVO-2\r\nCHARLIE-3\r\n' >"$work/series.csv"
touch "$work/before"
"$batch" "$work/series.lab" --printer "$queue" --series "$work/series.csv" \
  --sheet-width "$sheet_width" --sheet-height "$sheet_height" || fail "quorvel-batch --printer failed"

# cups-pdf writes the file a moment after the job ends; it is done when the
# queue is empty and the file ends with the PDF trailer.
#   printed_pdf MARKER DESTINATION   moves the first PDF newer than MARKER there
pdf=
complete_pdf_newer_than() {
  pdf=$(find "${pdf_folders[@]}" -name '*.pdf' -newer "$1" 2>/dev/null | head -n 1)
  [ -n "$pdf" ] && ! lpstat -o "$queue" 2>/dev/null | grep -q . && tail -c 64 "$pdf" | grep -q '%%EOF'
}
printed_pdf() {
  until_within 30 complete_pdf_newer_than "$1" \
    || fail "the PDF queue wrote no complete file within 30 s (log: $(tail -n 5 /var/log/cups/error_log 2>/dev/null))"
  mv "$pdf" "$2"
}
printed_pdf "$work/before" "$work/printed.pdf"

dpi=254
pdftoppm -r $dpi -png -singlefile "$work/printed.pdf" "$work/page" 2>/dev/null || fail "pdftoppm cannot read the printed PDF"
[ -n "${CUPS_TEST_KEEP:-}" ] && cp "$work/page.png" "$CUPS_TEST_KEEP"
decoded=$("$helper" decode "$work/page.png" $dpi) || fail "could not decode the page"
expected=$(printf 'ALPHA\nBRAVO-2\nCHARLIE-3')
[ "$decoded" = "$expected" ] || fail "decoded [$decoded], expected [$expected]"

# Neither Qt nor the queue may scale the page: the labels stand 60 mm apart
# across and 30 mm down, to half a millimetre.
read -r across down < <("$helper" measure "$work/page.png" $dpi) || fail "could not measure the labels"
awk -v a="$across" -v d="$down" 'BEGIN { exit !(a > 59.5 && a < 60.5 && d > 29.5 && d < 30.5) }' \
  || fail "labels stand $across mm across and $down mm down, expected 60 and 30 (sheet ${sheet_width} x ${sheet_height} mm)"

# Four copies of a label with a PDF417 symbol.
"$helper" label-pdf417 "$work/pdf417.lab" || fail "could not write the PDF417 label"
touch "$work/before-pdf417"
"$batch" "$work/pdf417.lab" --printer "$queue" --copies 4 \
  --sheet-width "$sheet_width" --sheet-height "$sheet_height" || fail "quorvel-batch --printer failed for PDF417"
printed_pdf "$work/before-pdf417" "$work/pdf417.pdf"
pdftoppm -r $dpi -png -singlefile "$work/pdf417.pdf" "$work/pdf417" 2>/dev/null || fail "pdftoppm cannot read the PDF417 PDF"
pdf417=$("$helper" decode-pdf417 "$work/pdf417.png" $dpi) || fail "could not decode the PDF417 page"
expected=$(printf 'Quorvel PDF417 / CUPS 4711\n%.0s' 1 2 3 4)
[ "$pdf417" = "$expected" ] || fail "decoded PDF417 [$pdf417], expected four times [Quorvel PDF417 / CUPS 4711]"

echo "CUPS printed the series at full size (labels $across mm across, $down mm down); decoded: $(echo "$decoded" | tr '\n' ' ')and 4 x PDF417"
