# A private CUPS scheduler for the end-to-end scripts and the benchmarks: its configuration,
# spool, cache, state and logs in one folder, listening only on a socket there, stopped by
# its process id when the script ends. Nothing of the system's own CUPS is read or changed.
# Source it, then:
#
#   cups_start DIR                  # cupsd in DIR; exports CUPS_SERVER (its socket)
#   cups_add_queue NAME [PPD]       # a queue that makes a PDF file of each job (default PPD: A4)
#   cups_roll_ppd WIDTH_MM FILE     # writes a PPD of a roll printer WIDTH_MM wide to FILE
#   cups_admin ARGS                 # lpadmin on this scheduler, e.g. cups_admin -d NAME
#   cups_take_pdf QUEUE OUT         # waits for the queue's next job to end; its PDF becomes OUT
#   cups_document JOB               # the file the program sent for job JOB, as spooled
#   cups_stop                       # stops it: call it in the EXIT trap of the script
#
# The queues are cups-pdf queues when the scripts run as root (as in CI). cups-pdf's back end
# runs only as root, so an ordinary user's scheduler cannot run it: there a queue prints
# through the same driver into a file, which Ghostscript then makes a PDF of, as cups-pdf
# does. CUPS_KIND says which ("cups-pdf" or "file"), and cups_start says it once.
#
# cups-pdf reads its settings from /etc/cups only and writes into the home folder of the
# job's user. The jobs are therefore sent under a user name that the system does not know,
# which cups-pdf treats as anonymous and writes into its own spool folder for anonymous jobs;
# cups_take_pdf moves each file from there into DIR at once. The job numbers start at a random
# number, so that runs side by side hardly ever could share a file name there.

CUPS_DIR="" CUPS_PID="" CUPS_KIND="" CUPS_JOB=0
CUPS_PDF_PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
CUPS_ANON_DIR=/var/spool/cups-pdf/ANONYMOUS

cups_fail() {
    echo "cups: $*" >&2
    [ -f "$CUPS_DIR/log/error_log" ] && grep -E '^[EW] ' "$CUPS_DIR/log/error_log" | tail -n 20 >&2
    exit 1
}

cups_start() {
    CUPS_DIR=$1
    local d=$CUPS_DIR
    mkdir -p "$d/root/ppd" "$d/spool" "$d/tmp" "$d/cache" "$d/state" "$d/log" "$d/out"
    # The filters run as the user lp: they pass through the folders above and write the spool.
    chmod 711 "$d" "$(dirname "$d")"
    chmod 1777 "$d/spool" "$d/tmp" "$d/out"
    printf '# Job cache file for CUPS\nNextJobId %d\n' $((RANDOM * 30 + 1000)) >"$d/cache/job.cache"
    if [ "$(id -u)" = 0 ]; then CUPS_KIND="cups-pdf"; else CUPS_KIND="file"; fi
    cat >"$d/cups-files.conf" <<EOF
ServerRoot $d/root
RequestRoot $d/spool
TempDir $d/tmp
CacheDir $d/cache
StateDir $d/state
AccessLog $d/log/access_log
ErrorLog $d/log/error_log
PageLog $d/log/page_log
SystemGroup $(id -gn)
FileDevice Yes
EOF
    cat >"$d/cupsd.conf" <<EOF
Listen $d/cups.sock
LogLevel info
AccessLogLevel all
WebInterface No
Browsing No
DefaultShared No
MaxJobs 0
PreserveJobHistory Yes
PreserveJobFiles Yes
<Location />
  Order allow,deny
  Allow all
</Location>
EOF
    cupsd -f -c "$d/cupsd.conf" -s "$d/cups-files.conf" >"$d/log/cupsd.out" 2>&1 &
    CUPS_PID=$!
    export CUPS_SERVER="$d/cups.sock"
    # Jobs under a name the system does not know: see above.
    export CUPS_USER="vemox-test-$$"
    for _ in $(seq 100); do
        lpstat -r 2>/dev/null | grep -q 'is running' && break
        kill -0 "$CUPS_PID" 2>/dev/null || cups_fail "cupsd ended at start: $(cat "$d/log/cupsd.out")"
        sleep 0.1
    done
    lpstat -r 2>/dev/null | grep -q 'is running' || cups_fail "cupsd does not answer on $CUPS_SERVER"
    [ "$CUPS_KIND" = cups-pdf ] ||
        echo "cups: not root, so the queues print through the cups-pdf driver into files, not through cups-pdf itself"
}

cups_add_queue() {
    local name=$1 ppd=${2:-$CUPS_PDF_PPD} uri
    if [ "$CUPS_KIND" = cups-pdf ]; then uri="cups-pdf:/"; else uri="file://$CUPS_DIR/out/$name.ps"; fi
    cups_admin -p "$name" -E -v "$uri" -P "$ppd" -o Label=1 2>"$CUPS_DIR/log/lpadmin.err" ||
        cups_fail "queue $name not made: $(cat "$CUPS_DIR/log/lpadmin.err")"
}

# The cups-pdf driver with one paper only: a roll WIDTH_MM wide (and 300 mm long as far as
# the driver is told; each page says its own length).
cups_roll_ppd() {
    local w h
    w=$(awk -v mm="$1" 'BEGIN { printf "%d", mm * 72 / 25.4 + 0.5 }')
    h=850
    sed -E -e '/^\*(PageSize|PageRegion|ImageableArea|PaperDimension) [^:]*:/d' \
        -e 's/^\*Default(PageSize|PageRegion|ImageableArea|PaperDimension): .*/*Default\1: Roll/' \
        -e "/^\*DefaultPageSize:/a *PageSize Roll/Roll $1 mm: \"<</PageSize[$w $h]/ImagingBBox null>>setpagedevice\"" \
        -e "/^\*DefaultPageRegion:/a *PageRegion Roll/Roll $1 mm: \"<</PageSize[$w $h]/ImagingBBox null>>setpagedevice\"" \
        -e "/^\*DefaultImageableArea:/a *ImageableArea Roll/Roll $1 mm: \"0 0 $w $h\"" \
        -e "/^\*DefaultPaperDimension:/a *PaperDimension Roll/Roll $1 mm: \"$w $h\"" \
        -e "s/^\*NickName: .*/*NickName: \"Roll $1 mm\"/" \
        "$CUPS_PDF_PPD" >"$2"
}

# The next job of QUEUE after the one taken last: waits (up to 20 s) until it has ended,
# puts its PDF at OUT and its number in CUPS_JOB.
cups_take_pdf() {
    local queue=$1 out=$2 job=""
    for _ in $(seq 200); do
        job=$(lpstat -W completed -o "$queue" 2>/dev/null |
            awk -v q="$queue" -v last="$CUPS_JOB" '{ n = substr($1, length(q) + 2) + 0 } n > last + 0 { print n; exit }')
        [ -n "$job" ] && break
        sleep 0.1
    done
    [ -n "$job" ] || cups_fail "no job on $queue ended: $(lpstat -l -o "$queue" 2>&1 | head -n 5)"
    CUPS_JOB=$job
    if [ "$CUPS_KIND" = cups-pdf ]; then
        local made
        made=$(find "$CUPS_ANON_DIR" -maxdepth 1 -name "job_$job-*.pdf" 2>/dev/null | head -n1)
        [ -n "$made" ] || cups_fail "cups-pdf wrote no file for job $job"
        cat "$made" >"$out" && rm -f "$made"
    else
        gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pdfwrite -sOutputFile="$out" "$CUPS_DIR/out/$queue.ps" ||
            cups_fail "the output of job $job is not PostScript"
    fi
}

# The document as the program sent it for job JOB, kept in the spool.
cups_document() { printf '%s/spool/d%05d-001' "$CUPS_DIR" "$1"; }

cups_admin() { env -u CUPS_USER lpadmin "$@"; }

cups_stop() {
    [ -n "$CUPS_PID" ] || return 0
    # What cups-pdf wrote for this scheduler and nobody took away: a failed run's jobs.
    if [ "$CUPS_KIND" = cups-pdf ]; then
        local job
        for job in $(lpstat -W all -o 2>/dev/null | awk '{ sub(/.*-/, "", $1); print $1 }'); do
            rm -f "$CUPS_ANON_DIR/job_$job-"*.pdf
        done
    fi
    kill "$CUPS_PID" 2>/dev/null || true
    kill -CONT "$CUPS_PID" 2>/dev/null || true   # a stopped scheduler ends only once it runs
    wait "$CUPS_PID" 2>/dev/null || true
    CUPS_PID=""
}
