#!/usr/bin/env bash
# kyreport dump: the example reports filled page by page with fixed text
# widths; one page as the preview asks for it; a range; and the errors.
source "$(dirname "$0")/test_preamble.sh"
dump() { "$kyreport" dump "$@" --metrics fixed; }

dump "$examples/templates/lab_fees.rpx" --data "$examples/data/lab_fees.json" > "$dir/fees.json"
grep -q '"message": ""' "$dir/fees.json" || fail "lab_fees: a message"
grep -q '"totalPages": 4' "$dir/fees.json" || fail "lab_fees: not 4 pages"
[ "$(grep -c '"page": ' "$dir/fees.json")" -eq 4 ] || fail "lab_fees: not 4 pages dumped"
grep -q '"text": "伍仟贰佰肆拾捌元伍角整"' "$dir/fees.json" || fail "lab_fees: no grand total in capitals"
grep -q '"text": "第3页/共4页"' "$dir/fees.json" || fail "lab_fees: no page numbers"

dump "$examples/templates/blood_routine.rpx" --data "$examples/data/blood_routine.json" --page 9 > "$dir/last.json"
[ "$(grep -c '"page": ' "$dir/last.json")" -eq 1 ] || fail "--page: not one page"
grep -q '"page": 5' "$dir/last.json" || fail "--page beyond the total: not the last page"
grep -q '"op": "qrcode"' "$dir/last.json" || fail "blood_routine: no QR code"

dump "$examples/templates/specimen_batch.rpx" --data "$examples/data/specimen_batch.json" --pages 2 > "$dir/range.json"
[ "$(grep -c '"page": ' "$dir/range.json")" -eq 1 ] && grep -q '"page": 2' "$dir/range.json" || fail "--pages 2: not page 2 alone"

set +e
dump "$examples/data/lab_fees.json" > /dev/null 2> "$dir/err"; code=$?
set -e
[ "$code" -eq 1 ] && grep -q 'not a report template' "$dir/err" || fail "a non-template: exit $code, $(cat "$dir/err")"
set +e; "$kyreport" dump > /dev/null 2>&1; code=$?; set -e
[ "$code" -eq 2 ] || fail "no arguments: exit $code, not 2"
set +e; dump "$examples/templates/lab_fees.rpx" > "$dir/nodata.json"; code=$?; set -e
[ "$code" -eq 1 ] && grep -q '数据源设置错误' "$dir/nodata.json" || fail "no data: exit $code"
echo "1 passed, 0 failed"
