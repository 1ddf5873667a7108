#!/usr/bin/env bash
# The text layer of PDF files: every text a page draws (as kyreport dump lists
# it) is found in what pdftotext extracts from that page, whitespace ignored.
# The example reports, and a fixture of digits, Latin letters, full-width forms and
# mixed CJK/Latin runs in 宋体, 黑体 and a Latin face (DejaVu Sans, the ideographs from a fallback face), as labels and text boxes.
# Text is taken in drawing order (-raw): the reading order pdftotext guesses
# interleaves neighbouring boxes.
# usage: kyreport_pdf_text_test.sh KYREPORT EXAMPLES FIXTURES
source "$(dirname "$0")/test_preamble.sh"
fixtures=$3

# Whitespace out, the ideographic space too (tr counts bytes, not characters).
bare() { tr -d ' \t\r\n\f\v' | sed 's/　//g'; echo; }

# check NAME TEMPLATE DATA: renders and dumps the report, then compares page by page.
check() {
  local name=$1 template=$2 data=$3
  "$kyreport" render "$template" --data "$data" --out "$dir/$name.pdf" > /dev/null
  "$kyreport" dump "$template" --data "$data" > "$dir/$name.json"
  local pages
  pages=$(jq '.pages | length' "$dir/$name.json")
  [ "$pages" -gt 0 ] || fail "$name: no pages"
  for ((i = 0; i < pages; i++)); do
    local page=$((i + 1))
    pdftotext -raw -f "$page" -l "$page" "$dir/$name.pdf" - | bare > "$dir/extracted"
    jq -r --argjson i "$i" '.pages[$i].ops[] | select(.op == "text") | .text | gsub("[\\s\u3000]"; "") | select(length > 0)' \
      "$dir/$name.json" > "$dir/wanted"
    # Byte strings: a UTF-8 text is found where its bytes are.
    awk 'NR == FNR { text = text $0; next } index(text, $0) == 0 { print; missing = 1 } END { exit missing }' \
      "$dir/extracted" "$dir/wanted" > "$dir/missing" ||
      fail "$name page $page: not in the PDF's text: $(tr '\n' ' ' < "$dir/missing")"
  done
  echo "$name: $pages pages, every text found"
}

# The example reports (blood_count is a template for loading and saving only).
for name in blood_routine lab_fees specimen_batch; do
  check "$name" "$examples/templates/$name.rpx" "$examples/data/$name.json"
done
check scripts "$fixtures/scripts.rpx" "$fixtures/scripts.json"
echo "1 passed, 0 failed"
