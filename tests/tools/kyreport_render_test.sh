#!/usr/bin/env bash
# kyreport render: PDF files with every page and their text, one picture per
# page named NAME_NNN.EXT (a single page as NAME.EXT), the zoom, the key
# field in the name, and the errors.
source "$(dirname "$0")/test_preamble.sh"
fees=("$examples/templates/lab_fees.rpx" --data "$examples/data/lab_fees.json")

out=$("$kyreport" render "${fees[@]}" --out "$dir/fees.PDF")
[ "$out" = "$dir/fees.PDF" ] || fail "pdf: printed '$out'"
pdfinfo "$dir/fees.PDF" | grep -q '^Pages: *4$' || fail "pdf: not 4 pages"
# 角 and 页 share their glyphs with radicals (⻆, ⻚): the text still extracts as written.
pdftotext "$dir/fees.PDF" - | grep -q '伍仟贰佰肆拾捌元伍角整' || fail "pdf: no grand total in capitals as text"
pdftotext "$dir/fees.PDF" - | grep -q '第1页/共4页' || fail "pdf: no page number as text"
pdftotext "$dir/fees.PDF" - | grep -q '2026-12-10' || fail "pdf: no settlement date as text"
pdffonts "$dir/fees.PDF" | grep -q 'NotoSerifCJK.* yes ' || fail "pdf: the CJK face is not embedded"

"$kyreport" render "${fees[@]}" --out "$dir/part.pdf" --pages 2-3 > /dev/null
pdfinfo "$dir/part.pdf" | grep -q '^Pages: *2$' || fail "pdf --pages 2-3: not 2 pages"

"$kyreport" render "${fees[@]}" --out "$dir/page.png" --pages 1,3 > "$dir/list" 2> /dev/null
printf '%s\n' "$dir/page_001.png" "$dir/page_003.png" | cmp -s - "$dir/list" || fail "png: files $(cat "$dir/list")"
file "$dir/page_003.png" | grep -q 'PNG image data, 794 x 1123' || fail "png: not an A4 page at 96 dpi (21 × 29.7 cm)"

"$kyreport" render "${fees[@]}" --out "$dir/one.Bmp" --pages 2 --zoom 200 > "$dir/list"
[ "$(cat "$dir/list")" = "$dir/one.Bmp" ] || fail "bmp: a single page is not NAME.EXT"
file "$dir/one.Bmp" | grep -q 'PC bitmap.* 1588 x 2245' || fail "bmp --zoom 200: not twice the size"

out=$("$kyreport" render "${fees[@]}" --out "$dir/keyed.pdf" --key Name)
[ "$out" = "$dir/keyed_李明.pdf" ] && [ -f "$dir/keyed_李明.pdf" ] || fail "--key: wrote '$out'"

# Through the report object and the virtual printer (set up here on first use).
export KY_REGISTRY="$dir/registry.reg" XDG_CONFIG_HOME="$dir/config"
"$kyreport" render "${fees[@]}" --out "$dir/pages.EMF" > "$dir/list"
printf '%s\n' "$dir/pages__001.EMF" "$dir/pages__002.EMF" "$dir/pages__003.EMF" "$dir/pages__004.EMF" > "$dir/want"
sed 's/emf$/EMF/' "$dir/list" | cmp -s - "$dir/want" || fail "emf: files $(cat "$dir/list")"
for f in $(cat "$dir/list"); do [ -s "$f" ] || fail "emf: $f is missing or empty"; done
[ "$("$kyreport" render "${fees[@]}" --out "$dir/web.mht" --key Name)" = "$dir/web_李明.mht" ] || fail "mht: not named after the key"
[ "$(grep -c '^Content-Location: file:///VZQ' "$dir/web_李明.mht")" -eq 4 ] || fail "mht: not 4 pages"
"$kyreport" render "${fees[@]}" --out "$dir/doc.doc" > /dev/null
[ "$(grep -c 'emfblip' "$dir/doc_.doc")" -eq 4 ] || fail "doc: not 4 page pictures"
"$kyreport" render "${fees[@]}" --out "$dir/data.rpd" > /dev/null
"$kyreport" dump "$dir/data_.rpd" --rpd "$dir/data_.rpd" --metrics fixed | grep -q '"totalPages": 4' || fail "rpd: does not dump again"

set +e
"$kyreport" render "${fees[@]}" --out "$dir/pages.txt" 2> /dev/null; code=$?
[ $code -eq 2 ] || fail ".txt: exit $code"
for zoom in 0 9 1001 abc 1.5; do
  out=$("$kyreport" render "${fees[@]}" --out "$dir/z.png" --zoom "$zoom" 2>&1); code=$?
  [ $code -eq 2 ] && [[ $out == *"--zoom is a whole percentage from 10 to 1000, not '$zoom'"* ]] ||
    fail "--zoom $zoom: exit $code, said '$out'"
done
"$kyreport" render "${fees[@]}" 2> /dev/null; code=$?
[ $code -eq 2 ] || fail "no --out: exit $code"
"$kyreport" render "${fees[@]}" --out "$dir/some.emf" --pages 2 2> /dev/null; code=$?
[ $code -eq 2 ] && [ ! -e "$dir/some__001.emf" ] || fail ".emf --pages: exit $code"
out=$("$kyreport" render "${fees[@]}" --out "$dir/none.png" --pages 9 2>&1); code=$?
[ $code -eq 1 ] && [ "$out" = "kyreport: no page to write" ] && [ ! -e "$dir/none.png" ] ||
  fail "pictures beyond the last page: exit $code, said '$out'"
# One clear message of the program's own, without Qt's warnings before it.
for ext in pdf png; do
  out=$("$kyreport" render "${fees[@]}" --out "/nonexistent-folder/x.$ext" 2>&1); code=$?
  [ $code -eq 1 ] && [ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] && [[ $out == "kyreport: "*"/nonexistent-folder/x"* ]] ||
    fail "unwritable .$ext: exit $code, said '$out'"
done
out=$(KY_QT_DEBUG=1 "$kyreport" render "${fees[@]}" --out /nonexistent-folder/x.pdf 2>&1)
[[ $out == *QPainter* ]] || fail "KY_QT_DEBUG=1: Qt's warning is not shown: '$out'"
set -e
echo "kyreport render: ok"
