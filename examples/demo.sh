#!/usr/bin/env bash
# The demo: register the component in a fresh registry store, list its
# classes, and run a host that creates the report object by ProgID.
set -euo pipefail
bin=$1
export KY_REGISTRY
KY_REGISTRY=$(mktemp -d)/registry.reg
echo "== kyreport --help"
"$bin/kyreport" --help
echo
echo "== kyreport register (registry store: $KY_REGISTRY)"
"$bin/kyreport" register
echo
echo "== kyreport classes"
"$bin/kyreport" classes
echo
echo "== a host creates Ky_Qm_NEWRPD.RPD by ProgID"
"$bin/host_basics"
echo
echo "== kyreport normalize: the example template, loaded and written back as the designer saves it"
examples=$(cd "$(dirname "$0")" && pwd)/templates
out=$(mktemp)
"$bin/kyreport" normalize "$examples/blood_count.RPD" --out "$out"
for record in Label Textbox Check Line Box Image ChildReport; do
  printf '  %-12s %s\n' "$record" "$(grep -o "<$record>" "$out" | wc -l)"
done
cmp -s "$out" "$examples/blood_count.rpx" && echo "  the template inside the .RPD is already in saved form"
echo

echo "== kyreport data: the server's JSON report data turned into linked record sets"
"$bin/kyreport" data "$(cd "$(dirname "$0")" && pwd)/data/blood_count.json" --stats
echo

echo "== kyreport dump: three laboratory reports filled and paginated (every drawing call as JSON)"
root=$(cd "$(dirname "$0")" && pwd)
for report in blood_routine lab_fees specimen_batch; do
  out=$(mktemp)
  "$bin/kyreport" dump "$root/templates/$report.rpx" --data "$root/data/$report.json" > "$out"
  echo "-- $report: $(grep -o '"totalPages": [0-9]*' "$out"), $(grep -c '"op": ' "$out") drawing calls; texts of its first page:"
  # The first page's texts, as drawn (after formatting).
  awk '/"page": 2,/{exit} {print}' "$out" | grep -o '"text": "[^"]*"' | sed 's/"text": //' | head -24 | paste -d ' ' - - - - - - | sed 's/^/     /'
done
echo "   (kyreport dump TEMPLATE --data DATA --page N shows one page the way the preview asks for it)"
echo

echo "== kyreport render: the three reports as PDF, PNG pages, EMF pages, a .mht web page and a .doc document"
out=$(cd "$root/.." && pwd)/out
mkdir -p "$out/emf"
for report in blood_routine lab_fees specimen_batch; do
  for format in pdf png emf mht doc; do
    # The .mht and .doc outputs are assembled from page files named as the
    # .emf output of the same name would be, and delete them: EMF pages go aside.
    target=$out/$report.$format
    [ "$format" = emf ] && target=$out/emf/$report.emf
    "$bin/kyreport" render "$root/templates/$report.rpx" --data "$root/data/$report.json" --out "$target" \
      | sed 's/^/   /'
  done
done
echo "   (all under $out; .emf, .mht and .doc go through the report object's OutPutReport and the virtual printer)"
echo

echo "== kyreport eval and format: expressions and number formats of text boxes"
"$bin/kyreport" eval 'IIF(7.8 > 5.5, "↑", "") & FormatNumber(1234.5, 2)'
"$bin/kyreport" format 10005.07 --format 4
"$bin/kyreport" format 2.25 --xsws 1
echo

echo "== kyreport unregister; kyreport classes"
"$bin/kyreport" unregister
"$bin/kyreport" classes
echo "(no classes left)"
