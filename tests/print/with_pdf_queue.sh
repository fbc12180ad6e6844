#!/usr/bin/env bash
# Runs COMMAND with a real CUPS scheduler of its own (not the system's) whose default queue is a
# cups-pdf printer: CUPS_SERVER points at it, BRISK_QUEUE_OUT is the folder its PDF files land in.
# Exits 77 (skipped) with the reason when the scheduler or the queue cannot be set up.
#   tests/print/with_pdf_queue.sh COMMAND [ARG...]
set -uo pipefail
skip() { echo "SKIPPED: $*"; exit 77; }
for tool in cupsd lpadmin lpstat; do command -v $tool >/dev/null || skip "$tool is not installed (Debian package cups)"; done
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is not installed (Debian package printer-driver-cups-pdf)"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -r "$ppd" ] || skip "$ppd is missing"
# cups-pdf runs only as root, and writes into the home of the job's user.
[ "$(id -u)" -eq 0 ] || skip "cups-pdf prints only for a scheduler run as root"

dir=$(mktemp -d /tmp/brisk-cups.XXXXXX)
chmod 755 "$dir"
mkdir -p "$dir"/{spool,cache,state,log}
install -d -m 1777 "$dir/tmp"
cat > "$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel debug
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
CONF

cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
pid=$!
out="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
cleanup() {
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
  [ -d "$out" ] && find "$out" -maxdepth 1 -name '*.pdf' -newer "$dir/cupsd.conf" -delete
  rm -rf "$dir"
}
trap cleanup EXIT
export CUPS_SERVER="$dir/cups.sock"
for _ in $(seq 50); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
lpstat -r >/dev/null 2>&1 || skip "cupsd did not start: $(tail -3 "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null | tr '\n' ' ')"
lpadmin -p BriskPDF -v cups-pdf:/ -P "$ppd" -E 2>/dev/null || skip "lpadmin could not add the queue"
lpadmin -d BriskPDF || skip "lpadmin could not make the queue the default"
# cups-pdf writes into the PDF folder of the job's user; what the run writes there goes with it.
mkdir -p "$out"
export BRISK_QUEUE_OUT="$out" BRISK_QUEUE_LOG="$dir/log/error_log"
"$@"
