#!/bin/sh
# End to end through a real print server: a private cupsd (own configuration,
# spool and socket) with a queue on a file device that keeps every job's
# document. The program prints six one-photo pages by printer name, two
# copies, at most five pages a job; the spooled documents must be four PDFs
# of 5, 1, 5 and 1 A4 pages. Then, through the print code of test_print:
# "Pages: 2" typed in the print dialog with one page a job spools one job of
# one page (not two empty ones); Cancel on the second job's first page spools
# the first job and nothing of the second. Last, a queue that rejects jobs
# makes the program fail with a message and spools nothing. A job drawn in a
# printer's profile arrives marked "cm-calibration".
#   tests/app/cups_e2e.sh VELMORA TEST_PRINT
# Exit 77 (skipped) where no print server can be started here.
velmora=${1:?path of the velmora program}
test_print=${2:?path of the test_print program}
skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; [ -f "$root/log/error_log" ] && tail -n 30 "$root/log/error_log"; exit 1; }

for tool in cupsd lpadmin lpstat pdfinfo convert; do
  command -v "$tool" > /dev/null 2>&1 || [ -x "/usr/sbin/$tool" ] || skip "$tool is not installed"
done
PATH=$PATH:/usr/sbin
[ "$(id -u)" = 0 ] || skip "a private cupsd needs root here (it runs its backends as root)"

root=$(mktemp -d /tmp/velmora-cups.XXXXXX)
chmod 755 "$root"
pid=""
# KEEP=1 keeps the server's folder (configuration, logs, spool) for a look.
cleanup() { [ -n "$pid" ] && kill "$pid" 2> /dev/null; wait "$pid" 2> /dev/null; [ -n "$KEEP" ] || rm -rf "$root"; }
trap cleanup EXIT INT TERM
mkdir -p "$root/etc/ppd" "$root/spool/tmp" "$root/cache" "$root/state/certs" "$root/log" "$root/photos" "$root/home"
chmod 1777 "$root/spool/tmp"
chmod 700 "$root/home"
port=$((20000 + $$ % 20000))
sock="$root/cups.sock"

cat > "$root/etc/cups-files.conf" << CONF
ServerRoot $root/etc
RequestRoot $root/spool
TempDir $root/spool/tmp
CacheDir $root/cache
StateDir $root/state
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
FileDevice Yes
User lp
Group lp
SystemGroup root
CONF
cat > "$root/etc/cupsd.conf" << CONF
Listen $sock
Listen 127.0.0.1:$port
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
PreserveJobFiles Yes
PreserveJobHistory Yes
DirtyCleanInterval 0
MaxJobs 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF

cupsd -f -c "$root/etc/cupsd.conf" -s "$root/etc/cups-files.conf" > "$root/log/cupsd.out" 2>&1 &
pid=$!
export CUPS_SERVER="$sock"
i=0
until lpstat -r 2> /dev/null | grep -q "is running"; do
  i=$((i + 1))
  kill -0 "$pid" 2> /dev/null || skip "cupsd did not start: $(tail -n 3 "$root/log/cupsd.out" "$root/log/error_log" 2> /dev/null | tr '\n' ' ')"
  [ $i -lt 100 ] || skip "cupsd did not answer on $sock"
  sleep 0.1
done

lpadmin -p VelmoraTest -E -v "file:///dev/null" -m raw > "$root/log/lpadmin.out" 2>&1 \
  || skip "cannot create a queue: $(cat "$root/log/lpadmin.out")"
cupsenable VelmoraTest 2> /dev/null
cupsaccept VelmoraTest 2> /dev/null

for n in 1 2 3 4 5 6; do
  convert -size 900x600 "gradient:rgb($((n * 40)),80,160)-white" -quality 85 "$root/photos/p$n.jpg" \
    || fail "cannot make the photographs"
done

# The program with its own empty settings: A4, 5 mm margins, one frame a page.
HOME="$root/home" XDG_CONFIG_HOME="$root/home/config" XDG_RUNTIME_DIR="$root/home" \
  "$velmora" --print VelmoraTest --copies 2 --paper A4 --unit mm --photo-size 200x287 -- "$root"/photos/p*.jpg \
  > "$root/log/velmora.out" 2>&1 || fail "printing failed: $(cat "$root/log/velmora.out")"
[ "$(grep -c "^VelmoraTest: " "$root/log/velmora.out")" = 12 ] || fail "expected 12 page lines: $(cat "$root/log/velmora.out")"

i=0
while [ -n "$(lpstat -o VelmoraTest 2> /dev/null)" ]; do
  i=$((i + 1))
  [ $i -lt 300 ] || fail "jobs still pending: $(lpstat -o)"
  sleep 0.2
done

docs=$(ls "$root"/spool/d* 2> /dev/null | sort)
[ "$(echo "$docs" | grep -c .)" = 4 ] || fail "expected 4 spooled jobs (2 copies x 5 + 1 pages), found: $docs"
pages=""
for d in $docs; do
  info=$(pdfinfo "$d") || fail "spooled job $d is not a PDF"
  pages="$pages $(echo "$info" | sed -n 's/^Pages: *//p')"
  echo "$info" | grep -q '^Page size: *595.* x 84[12].*' || fail "job $d is not A4: $(echo "$info" | grep 'Page size')"
done
[ "$pages" = " 5 1 5 1" ] || fail "pages per job:$pages, expected 5 1 5 1"
titles=$(lpstat -W completed -o VelmoraTest | wc -l)
[ "$titles" = 4 ] || fail "expected 4 completed jobs, lpstat shows $titles"
echo "PASS: 2 copies of 6 pages printed on VelmoraTest as 4 A4 jobs of$pages pages"

# Waits until the queue has no pending jobs.
idle() {
  i=0
  while [ -n "$(lpstat -o "$1" 2> /dev/null)" ]; do
    i=$((i + 1))
    [ $i -lt 300 ] || fail "jobs still pending on $1: $(lpstat -o)"
    sleep 0.2
  done
}
# The page counts of the documents spooled since the list $1 was taken.
spooled_since() {
  for d in $(ls "$root"/spool/d* 2> /dev/null | sort); do
    echo "$1" | grep -qx "$d" && continue
    pdfinfo "$d" 2> /dev/null | sed -n 's/^Pages: *//p' | tr '\n' ' '
  done
}
# Runs one function of test_print against the queue; $2 the page counts it
# must spool.
print_test() {
  before=$(ls "$root"/spool/d* 2> /dev/null | sort)
  HOME="$root/home" XDG_CONFIG_HOME="$root/home/config" XDG_RUNTIME_DIR="$root/home" VELMORA_CUPS_QUEUE=VelmoraTest \
    "$test_print" "$1" > "$root/log/$1.out" 2>&1 || fail "$1: $(cat "$root/log/$1.out")"
  grep -q "^SKIP" "$root/log/$1.out" && fail "$1 was skipped: $(cat "$root/log/$1.out")"
  idle VelmoraTest
  got=$(spooled_since "$before")
  [ "$got" = "$2" ] || fail "$1 spooled jobs of pages '$got', expected '$2'"
  echo "PASS: $1 spooled jobs of pages $got"
}
# Pages converted to a printer profile: the job carries cm-calibration, so
# that the print service's filters do not convert its colours again; an sRGB
# job (all of the above) does not.
profile=/usr/share/color/icc/ghostscript/a98.icc
if [ -r "$profile" ]; then
  for c in "$root"/spool/c*; do
    grep -aq "cm-calibration" "$c" && fail "an sRGB job $c is marked cm-calibration"
  done
  before=$(ls "$root"/spool/c* 2> /dev/null | sort)
  HOME="$root/home" XDG_CONFIG_HOME="$root/home/config" XDG_RUNTIME_DIR="$root/home" \
    "$velmora" --print VelmoraTest --paper A4 --unit mm --photo-size 200x287 --output-profile "$profile" \
    --intent perceptual -- "$root"/photos/p1.jpg > "$root/log/profile.out" 2>&1 \
    || fail "printing with a printer profile failed: $(cat "$root/log/profile.out")"
  idle VelmoraTest
  job=$(ls "$root"/spool/c* | sort | while read -r c; do echo "$before" | grep -qx "$c" || echo "$c"; done)
  [ -n "$job" ] || fail "no job spooled with the printer profile"
  # The server writes a job's attributes into its control file at once
  # (DirtyCleanInterval 0), soon after the job is done.
  i=0
  until grep -aq "cm-calibration" $job; do
    i=$((i + 1))
    [ $i -lt 50 ] || fail "the job converted to the printer profile is not marked cm-calibration"
    sleep 0.2
  done
  echo "PASS: a job converted to a printer profile arrives marked cm-calibration"
fi

print_test cupsDialogPageRanges "1 "
print_test cupsCancelAfterFirstPage "1 "

lpadmin -p VelmoraReject -E -v "file:///dev/null" -m raw > "$root/log/lpadmin.out" 2>&1 \
  || fail "cannot create the rejecting queue: $(cat "$root/log/lpadmin.out")"
cupsreject VelmoraReject 2> /dev/null || fail "cannot make VelmoraReject reject jobs"
before=$(ls "$root"/spool/d* 2> /dev/null | sort)
if HOME="$root/home" XDG_CONFIG_HOME="$root/home/config" XDG_RUNTIME_DIR="$root/home" \
  "$velmora" --print VelmoraReject --paper A4 --unit mm --photo-size 200x287 -- "$root"/photos/p1.jpg \
  > "$root/log/reject.out" 2>&1; then
  fail "printing on a queue that rejects jobs reported success: $(cat "$root/log/reject.out")"
fi
grep -q "did not take the print job" "$root/log/reject.out" || fail "no message for the rejected job: $(cat "$root/log/reject.out")"
[ -z "$(spooled_since "$before")" ] || fail "the rejecting queue spooled a job"
echo "PASS: a queue that rejects jobs fails the print with: $(tail -n 1 "$root/log/reject.out")"
