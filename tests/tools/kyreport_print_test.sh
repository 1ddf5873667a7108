#!/usr/bin/env bash
# kyreport print and printers through a real CUPS queue: a cups-pdf printer
# "kytest" (cupsd is started when it is not running), a report printed on
# it, and the PDF that comes out checked for its pages. Every wait is bounded.
source "$(dirname "$0")/test_preamble.sh"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

command -v cupsd > /dev/null && command -v lpadmin > /dev/null && [ -f "$ppd" ] ||
  skip "CUPS or cups-pdf is not installed"
scheduler_up() { lpstat -r 2> /dev/null | grep -q 'is running'; }
added_queue=false
started_cupsd=
# The queue goes again when this test added it, and the scheduler stops again
# when this test started it: the machine is left as it was found.
cleanup() {
  if $added_queue; then lpadmin -x kytest 2> /dev/null || true; fi
  if [ -n "$started_cupsd" ]; then
    kill "$started_cupsd" 2> /dev/null || true
    for _ in $(seq 50); do kill -0 "$started_cupsd" 2> /dev/null || break; sleep 0.1; done
  fi
  rm -rf "$dir"
}
trap cleanup EXIT
if ! scheduler_up; then
  [ "$(id -u)" -eq 0 ] || skip "cupsd is not running and starting it needs root"
  cupsd -f > /dev/null 2>&1 &
  started_cupsd=$!
  for _ in $(seq 50); do scheduler_up && break; sleep 0.2; done
  scheduler_up || skip "cupsd did not come up within 10 seconds"
fi
before=$dir/before
if ! lpstat -p kytest > /dev/null 2>&1; then
  lpadmin -p kytest -E -v cups-pdf:/ -P "$ppd" 2> /dev/null || skip "cannot add the cups-pdf queue (lpadmin)"
  added_queue=true
fi

"$kyreport" printers | grep -qx 'kytest\( \*\)\?' || fail "printers: kytest is not listed"
"$kyreport" printers | grep -qx 'kestrow printer\( \*\)\?' || fail "printers: the virtual printer is not listed"

# cups-pdf writes into the job owner's PDF folder, or the anonymous one.
home=$(getent passwd "$(id -un)" | cut -d: -f6)
folders=("$home/PDF" /var/spool/cups-pdf/ANONYMOUS "/var/spool/cups-pdf/$(id -un)")
find "${folders[@]}" -name '*.pdf' 2> /dev/null | sort > "$before" || true

out=$("$kyreport" print "$examples/templates/lab_fees.rpx" --data "$examples/data/lab_fees.json" \
  --printer kytest --pages 2-4 --copies 1)
[ "$out" = "kytest: 3 page(s)" ] || fail "print: said '$out'"

pdf=""
for _ in $(seq 120); do
  pdf=$(find "${folders[@]}" -name '*.pdf' 2> /dev/null | sort | comm -13 "$before" - | head -1 || true)
  [ -n "$pdf" ] && [ -z "$(lpstat -o kytest 2> /dev/null)" ] && break
  sleep 0.5
done
[ -n "$pdf" ] || fail "no PDF from cups-pdf within 60 seconds"
pdfinfo "$pdf" | grep -q '^Pages: *3$' || fail "printed PDF: not 3 pages ($pdf)"
# The job went out under the report's name (cups-pdf writes it into the file name).
case "$(basename "$pdf")" in *job_*) ;; *) fail "printed PDF: unexpected name $pdf" ;; esac
rm -f "$pdf"

set +e
"$kyreport" print "$examples/templates/lab_fees.rpx" --data "$examples/data/lab_fees.json" --printer no-such-printer \
  2> /dev/null; code=$?
set -e
[ $code -eq 1 ] || fail "unknown printer: exit $code"
echo "kyreport print: ok"
