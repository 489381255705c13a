# Sourced by the CUPS tests: skips where this machine cannot run a CUPS
# server of its own (exit 77), else starts one on loopback, gives a work
# folder, and stops the server and removes the folder on exit. A test may
# set `on_exit` to a command that runs first.
#   cups_server PROGRAM...   (the programs the test needs besides cupsd)
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*" >&2; exit 1; }

ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
on_exit=:
cupsd_pid=
work=

stop_cupsd() {
  eval "$on_exit"
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null
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
  if lpstat -r >/dev/null 2>&1 && lpstat -r | grep -q "is running"; then
    skip "a CUPS server is running already; this test only uses one it starts itself"
  fi
  work=$(mktemp -d)
  trap stop_cupsd EXIT
  mkdir -p /run/cups
  /usr/sbin/cupsd -f </dev/null >/dev/null 2>&1 &
  cupsd_pid=$!
  for _ in $(seq 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && return 0
    kill -0 "$cupsd_pid" 2>/dev/null || skip "cupsd exited at start"
    sleep 0.2
  done
  skip "cupsd did not come up"
}
