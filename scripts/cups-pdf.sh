#!/usr/bin/env bash
# A CUPS scheduler of its own with a PDF print queue, for the printing tests.
#
#   vars=$(scripts/cups-pdf.sh start) && eval "$vars"
#       starts it and prints the variables the tests read: CUPS_SERVER (its
#       socket), PRINTER (its default queue), ZENTU_PDF_OUT (the folder the
#       queue writes each job into, as a PDF) and ZENTU_CUPS_DIR (its folder)
#   scripts/cups-pdf.sh stop [FOLDER]
#       stops the scheduler of FOLDER (default $ZENTU_CUPS_DIR) and removes it
#
# The scheduler has its own folder, socket and spool, so a desktop's own
# CUPS, its queues and its default printer are left alone. Its default
# queue "ZentuPDF" prints through Debian's cups-pdf; "ZentuRefusing" refuses
# every job. cups-pdf runs as root and reads its settings from /etc/cups: the
# queues' file there, cups-pdf-<name>.conf, is removed again by "stop".
set -euo pipefail
export LC_ALL=C  # the states lpstat prints are read below

queue=ZentuPDF
refusing=ZentuRefusing
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo -n "$@"; fi
}

say() { echo "cups-pdf.sh: $*" >&2; }

stop() {
  local dir=${1:-${ZENTU_CUPS_DIR:-}}
  [ -n "$dir" ] && [ -d "$dir" ] || return 0
  if [ -f "$dir/cupsd.pid" ]; then
    local pid
    pid=$(cat "$dir/cupsd.pid")
    as_root kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  fi
  as_root rm -f "/etc/cups/cups-pdf-$(cat "$dir/name" 2>/dev/null || echo none).conf"
  as_root rm -rf "$dir"
}

start() {
  if ! command -v cupsd >/dev/null || [ ! -e /usr/lib/cups/backend/cups-pdf ] || [ ! -f "$ppd" ]; then
    say "cups and printer-driver-cups-pdf are not installed (scripts/install-deps.sh)"
    return 1
  fi
  if [ "$(id -u)" -ne 0 ] && ! sudo -n true 2>/dev/null; then
    say "cups-pdf prints only for a scheduler run as root: run as root or with sudo"
    return 1
  fi
  local dir name sock
  dir=$(mktemp -d "${TMPDIR:-/tmp}/zentu-cups.XXXXXX")
  name="zentu-${dir##*.}"
  sock="$dir/cups.sock"
  trap 'stop "$dir"' ERR
  # The filters run as the scheduler's user "lp" and must reach the spool.
  chmod 755 "$dir"
  mkdir -p "$dir/etc" "$dir/spool/tmp" "$dir/cache" "$dir/run" "$dir/log" "$dir/pdf"
  echo "$name" >"$dir/name"
  cat >"$dir/etc/cupsd.conf" <<CONF
LogLevel warn
Listen $sock
Browsing No
WebInterface No
DefaultPolicy open
<Policy open>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
  cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/run
ServerBin /usr/lib/cups
DataDir /usr/share/cups
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
SystemGroup root
CONF
  # cups-pdf finds the settings of a queue whose device is cups-pdf:/NAME in
  # /etc/cups/cups-pdf-NAME.conf.
  as_root tee "/etc/cups/cups-pdf-$name.conf" >/dev/null <<CONF
Out $dir/pdf
AnonDirName $dir/pdf
Spool $dir/cups-pdf-spool
Log $dir/log
CONF
  # Started straight from here (not through a function, which would run in
  # a subshell), so that $! is the scheduler itself, or the sudo that runs it.
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo -n)
  "${sudo[@]}" cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
    </dev/null >"$dir/log/cupsd.out" 2>&1 &
  echo $! >"$dir/cupsd.pid"

  export CUPS_SERVER="$sock"
  local ready=""
  for _ in $(seq 100); do
    if lpstat -r 2>/dev/null | grep -q "is running"; then ready=yes; break; fi
    sleep 0.1
  done
  if [ -z "$ready" ]; then
    say "the scheduler did not start: $(cat "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null | tail -3)"
    stop "$dir"
    return 1
  fi
  # pdftocairo keeps the texts of the page readable in the PDF written.
  for q in "$queue" "$refusing"; do
    lpadmin -p "$q" -E -v "cups-pdf:/$name" -P "$ppd" -o pdftops-renderer-default=pdftocairo 2>/dev/null
  done
  lpadmin -d "$queue"
  cupsreject "$refusing"
  ready=""
  for _ in $(seq 100); do
    if lpstat -a "$queue" 2>/dev/null | grep -q "accepting requests"; then ready=yes; break; fi
    sleep 0.1
  done
  if [ -z "$ready" ]; then
    say "the queue $queue does not accept jobs"
    stop "$dir"
    return 1
  fi
  trap - ERR
  printf "export CUPS_SERVER='%s' PRINTER='%s' ZENTU_PDF_OUT='%s' ZENTU_CUPS_DIR='%s'\n" \
    "$sock" "$queue" "$dir/pdf" "$dir"
}

case "${1:-}" in
  start) start ;;
  stop) stop "${2:-}" ;;
  *) echo "usage: $0 start | stop [FOLDER]" >&2; exit 2 ;;
esac
