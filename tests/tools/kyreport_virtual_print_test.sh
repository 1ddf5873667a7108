#!/usr/bin/env bash
# kyreport print on the virtual printer "kestrow printer", in a private home
# and registry: the page files are listed, and they land in the default output
# folder after the report object has set the printer back to "C:\"; pages
# and copies that cannot be printed are errors that say why.
source "$(dirname "$0")/test_preamble.sh"
export HOME=$dir/home XDG_CONFIG_HOME=$dir/config KY_REGISTRY=$dir/registry.reg
mkdir -p "$HOME"
cd "$dir"
fees=("$examples/templates/lab_fees.rpx" --data "$examples/data/lab_fees.json")

"$kyreport" render "${fees[@]}" --out "$dir/fees.doc" > /dev/null
tr -d '\r' < "$dir/config/kyreport/kyprint.ini" | grep -qx 'OutputFile=C:\\' || fail "the report object did not set the printer back"

out=$("$kyreport" print "${fees[@]}" --printer 'kestrow printer' --pages 2-3)
want=$(printf 'kestrow printer: 2 page(s)\n%s\n%s' "$HOME/Documents/0001.emf" "$HOME/Documents/0002.emf")
[ "$out" = "$want" ] || fail "print: said '$out'"
for f in "$HOME/Documents/0001.emf" "$HOME/Documents/0002.emf"; do [ -s "$f" ] || fail "$f is missing or empty"; done
[ -z "$(ls "$dir" | grep -F 'C:')" ] || fail "a page file named after the drive: $(ls "$dir")"

set +e
out=$("$kyreport" print "${fees[@]}" --printer 'kestrow printer' --pages 9 2>&1); code=$?
[ $code -eq 1 ] && [ "$out" = "kyreport print: the report has no page in '9'" ] || fail "--pages 9: exit $code, said '$out'"
out=$("$kyreport" print "${fees[@]}" --printer 'kestrow printer' --copies 0 2>&1); code=$?
[ $code -eq 2 ] && [ "$out" = "kyreport print: --copies is a whole number from 1, not '0'" ] ||
  fail "--copies 0: exit $code, said '$out'"
set -e
echo "kyreport print on the virtual printer: ok"
