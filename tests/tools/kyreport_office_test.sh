#!/usr/bin/env bash
# What an office suite makes of our files, where LibreOffice is installed:
# the .doc opens with one page per report page and the text of the pages,
# and an EMF page file opens as a drawing with its text.
source "$(dirname "$0")/test_preamble.sh"
command -v soffice > /dev/null || skip "LibreOffice (soffice) is not installed"
export KY_REGISTRY="$dir/registry.reg" XDG_CONFIG_HOME="$dir/config"
fees=("$examples/templates/lab_fees.rpx" --data "$examples/data/lab_fees.json")

# A profile of its own, so that no running office or earlier test holds a lock.
convert() { # FILE FORMAT
  timeout 180 soffice "-env:UserInstallation=file://$dir/profile" --headless --norestore \
    --convert-to "$2" --outdir "$dir/converted" "$1" > /dev/null 2>&1 || fail "soffice could not convert $1"
}

"$kyreport" render "${fees[@]}" --out "$dir/fees.doc" > /dev/null
convert "$dir/fees_.doc" pdf
pdfinfo "$dir/converted/fees_.pdf" | grep -q '^Pages: *4$' || fail "doc: LibreOffice does not show 4 pages"
pdftotext "$dir/converted/fees_.pdf" - | grep -q '检验收费明细' || fail "doc: the page text is lost"

"$kyreport" render "${fees[@]}" --out "$dir/page.emf" > /dev/null
convert "$dir/page__001.emf" pdf
pdfinfo "$dir/converted/page__001.pdf" | grep -q '^Pages: *1$' || fail "emf: LibreOffice does not open the page"
pdftotext "$dir/converted/page__001.pdf" - | grep -q '检验收费明细' || fail "emf: the page text is lost"
echo "kyreport office: ok"
