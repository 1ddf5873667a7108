#!/usr/bin/env bash
# kyreport normalize: the example templates are in normalised form already,
# an .rpd gives the same template as its .rpx, and a broken template exits 2.
source "$(dirname "$0")/test_preamble.sh"

for template in "$examples"/*.rpx; do
  "$kyreport" normalize "$template" --out "$dir/once.rpx"
  cmp -s "$template" "$dir/once.rpx" || fail "$(basename "$template") changes when normalised"
  "$kyreport" normalize "$dir/once.rpx" > "$dir/twice.rpx"
  cmp -s "$dir/once.rpx" "$dir/twice.rpx" || fail "normalising twice differs from once"
done

"$kyreport" normalize "$examples/blood_count.RPD" > "$dir/from_rpd.rpx"
cmp -s "$examples/blood_count.rpx" "$dir/from_rpd.rpx" || fail "the .RPD's template differs from the .rpx"

printf '<Report><Pages><Page><PageNo>1</PageNo><Size/><Controls><Labels><Label><Left>1</Left></Label></Labels></Controls></Page></Pages></Report>' > "$dir/broken.rpx"
set +e; "$kyreport" normalize "$dir/broken.rpx" > /dev/null 2> "$dir/err"; code=$?; set -e
[ "$code" -eq 2 ] || fail "a broken template exits with $code, not 2"
grep -q '报表格式包含非法数据，导入或打开失败' "$dir/err" || fail "the load error is not shown"
echo "1 passed, 0 failed"
