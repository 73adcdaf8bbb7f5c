#!/usr/bin/env bash
# A private CUPS scheduler with one cups-pdf queue as its default printer, for
# the printing tests. It lives entirely in a folder of its own and listens on
# a socket there, so a system scheduler (if any) is neither used nor touched.
#
#   scripts/cups-fixture.sh start DIR   start it; prints the lines
#                                        CUPS_SERVER=DIR/cups.sock
#                                        KWPND_PRINT_OUT=DIR/out
#                                        KWPND_PRINTER=<queue name>
#   scripts/cups-fixture.sh stop DIR    stop the scheduler started in DIR
#
# Clients reach it with CUPS_SERVER set as printed. Every job lands in
# DIR/out as one PDF file. The cups-pdf back end only runs as root, and reads
# its settings from /etc/cups: the fixture adds one file there for its own
# instance (cups-pdf-<queue>.conf) and removes it again on stop.
# Exit status of start: 0 running, 1 failed, 77 cannot run here (not root, or
# the cups-pdf driver is missing: run scripts/setup.sh as root).
set -euo pipefail

usage() { echo "usage: $0 start|stop DIR" >&2; exit 2; }
[ $# -eq 2 ] || usage
action=$1
dir=$(realpath -m "$2")

cupsd_bin=/usr/sbin/cupsd
backend=/usr/lib/cups/backend/cups-pdf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

# Queue and cups-pdf instance name: unique per folder, so two fixtures can run at once.
queue="kwpnd$(printf '%s' "$dir" | cksum | cut -d' ' -f1)"
instance_conf="/etc/cups/cups-pdf-${queue}.conf"

start() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "cups-fixture: the cups-pdf back end needs root; skipping" >&2
    exit 77
  fi
  for f in "$cupsd_bin" "$backend" "$ppd"; do
    if [ ! -e "$f" ]; then
      echo "cups-fixture: $f is missing (scripts/setup.sh installs it)" >&2
      exit 77
    fi
  done
  if [ -f "$dir/cupsd.pid" ] && kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null; then
    report
    return
  fi

  # Filters run as the scheduler's unprivileged user: they must reach the folder.
  mkdir -p "$dir"/{conf,spool,spool/tmp,cache,state,log,out,cups-pdf-spool}
  chmod 755 "$dir" "$dir/conf" "$dir/cache" "$dir/state" "$dir/log"
  chmod 1777 "$dir/out" "$dir/spool/tmp"
  chmod 700 "$dir/cups-pdf-spool"

  cat >"$dir/conf/cups-files.conf" <<EOF
ServerRoot $dir/conf
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
SystemGroup root
FileDevice No
EOF
  cat >"$dir/conf/cupsd.conf" <<EOF
Listen $dir/cups.sock
LogLevel warn
Browsing Off
WebInterface No
DefaultAuthType None
MaxJobs 0
PreserveJobHistory No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
EOF
  # Out must be writable by whoever prints (the back end drops to that user).
  cat >"$instance_conf" <<EOF
Out $dir/out
AnonDirName $dir/out
Spool $dir/cups-pdf-spool
Log $dir/log
Grp root
EOF

  # In the foreground (-f) the scheduler keeps the pid we start it with;
  # setsid detaches it from the caller's terminal and process group.
  setsid "$cupsd_bin" -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" \
    </dev/null >>"$dir/log/cupsd.out" 2>&1 &
  echo $! >"$dir/cupsd.pid"
  export CUPS_SERVER="$dir/cups.sock"
  for _ in $(seq 1 100); do
    if lpstat -r 2>/dev/null | grep -q "is running"; then break; fi
    sleep 0.05
  done
  if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    echo "cups-fixture: cupsd did not start (see $dir/log/error_log)" >&2
    stop
    exit 1
  fi

  # lpadmin warns that printer drivers are deprecated: keep that off the output.
  lpadmin -p "$queue" -v "cups-pdf:/$queue" -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>&1 \
    | grep -v "drivers are deprecated" >&2 || true
  lpadmin -d "$queue"
  if ! lpstat -d 2>/dev/null | grep -q "$queue"; then
    echo "cups-fixture: the queue $queue could not be added" >&2
    stop
    exit 1
  fi
  report
}

report() {
  echo "CUPS_SERVER=$dir/cups.sock"
  echo "KWPND_PRINT_OUT=$dir/out"
  echo "KWPND_PRINTER=$queue"
}

stop() {
  if [ -f "$dir/cupsd.pid" ]; then
    pid=$(cat "$dir/cupsd.pid")
    # Only the scheduler this fixture started: its command line names our folder.
    if tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q -- "$dir/conf/cupsd.conf"; then
      kill "$pid"
      for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
      done
    fi
    rm -f "$dir/cupsd.pid"
  fi
  rm -f "$instance_conf"
}

case "$action" in
  start) start ;;
  stop) stop ;;
  *) usage ;;
esac
