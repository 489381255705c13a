# Sourced by the CUPS tests: skips where this machine cannot run a CUPS
# server of its own (exit 77), else starts one on loopback and gives a work
# folder. Whatever ends the test, the exit trap runs `on_exit` (a test may
# set it), removes the queues made with add_pdf_queue or named in `queues`,
# stops the server and removes the folder. Every wait has a deadline.
#   cups_server PROGRAM...   (the programs the test needs besides cupsd)
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*" >&2; exit 1; }

ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
on_exit=:
cupsd_pid=
work=
queues=()

# until_within SECONDS COMMAND...: runs the command every 0.2 s until it
# succeeds (true) or the time is up (false).
until_within() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.2
  done
}

cupsd_running() { lpstat -r 2>/dev/null | grep -q "is running"; }
cupsd_gone() { ! kill -0 "$cupsd_pid" 2>/dev/null; }
cupsd_up_or_gone() { cupsd_running || cupsd_gone; }

stop_cupsd() {
  eval "$on_exit"
  local queue
  for queue in "${queues[@]}"; do lpadmin -x "$queue" 2>/dev/null; done
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null
    until_within 10 cupsd_gone || kill -9 "$cupsd_pid" 2>/dev/null
    wait "$cupsd_pid" 2>/dev/null
  fi
  [ -n "$work" ] && rm -rf "$work"
}

cups_server() {
  [ "$(id -u)" -eq 0 ] || skip "starting cupsd needs root"
  local program
  for program in /usr/sbin/cupsd lpadmin lpstat "$@"; do
    command -v "$program" >/dev/null 2>&1 || skip "$program is missing (install cups, printer-driver-cups-pdf and poppler-utils)"
  done
  [ -e /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ] || skip "printer-driver-cups-pdf is missing"
  cupsd_running && skip "a CUPS server is running already; this test only uses one it starts itself"
  work=$(mktemp -d)
  trap stop_cupsd EXIT
  mkdir -p /run/cups
  /usr/sbin/cupsd -f </dev/null >/dev/null 2>&1 &
  cupsd_pid=$!
  until_within 10 cupsd_up_or_gone
  cupsd_gone && skip "cupsd exited at start"
  cupsd_running || skip "cupsd did not come up within 10 s"
}

# add_pdf_queue NAME: a cups-pdf queue on A4, removed again on exit.
add_pdf_queue() {
  queues+=("$1")
  lpadmin -p "$1" -E -v cups-pdf:/ -m "$ppd" -o printer-is-shared=no -o PageSize=A4 \
    || fail "lpadmin could not create the PDF queue $1"
}

# Where cups-pdf writes: under the home of the user who printed, anonymous
# jobs under its spool folder.
pdf_folders=("$HOME/PDF" /root/PDF /var/spool/cups-pdf)
