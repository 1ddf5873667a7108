#!/usr/bin/env bash
# kyreport data: the example data's record sets, standard input, counts, and
# the error object with status 2 when the data cannot be converted.
source "$(dirname "$0")/test_preamble.sh"

"$kyreport" data "$examples/blood_count.json" > "$dir/out.json"
grep -q '"message": ""' "$dir/out.json" || fail "no empty message"
grep -q '"key": "main"' "$dir/out.json" || fail "no main record set"
grep -q '"key": "main_Items"' "$dir/out.json" || fail "no child record set"
grep -q '"all": ";RowID;ParentRowID;Name;Sex;Age;Urgent;"' "$dir/out.json" || fail "wrong field list"

"$kyreport" data - < "$examples/blood_count.json" | cmp -s - "$dir/out.json" || fail "standard input differs from the file"

stats=$("$kyreport" data "$examples/blood_count.json" --stats)
grep -q $'^main_Items\t5 fields\t3 rows$' <<<"$stats" || fail "wrong counts: $stats"

printf '%s' "[{K:'m',R:[{b:true},{b:1}]}]" > "$dir/bad.json"
set +e; "$kyreport" data "$dir/bad.json" > "$dir/err.json"; code=$?; set -e
[ "$code" -eq 2 ] || fail "unconvertible data exits with $code, not 2"
grep -q '"error":' "$dir/err.json" || fail "no error object"

printf '%s' "{}" > "$dir/object.json"
"$kyreport" data "$dir/object.json" | grep -q '给定的JSON字符不符合预期格式' || fail "the format message is not shown"
echo "1 passed, 0 failed"
