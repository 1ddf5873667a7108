#!/usr/bin/env bash
# kyreport register / classes / unregister against a private registry store.
source "$(dirname "$0")/test_preamble.sh"
export KY_REGISTRY=$dir/registry.reg

"$kyreport" --help | grep -q 'register' || fail "--help does not list register"
"$kyreport" --help | grep -q 'classes' || fail "--help does not list classes"
# Each command is listed by its name, the way it is typed after "kyreport".
help=$("$kyreport" --help)
for command in register classes dump render print printers; do
  grep -q "^  $command\( \|\$\)" <<<"$help" || fail "--help does not list $command by its name"
done
set +e; "$kyreport" no-such-command 2>/dev/null; code=$?; set -e
[ "$code" -eq 2 ] || fail "an unknown command exits with $code, not 2"

"$kyreport" register >/dev/null
head -1 "$KY_REGISTRY" | grep -q 'Windows Registry Editor Version 5.00' || fail "the store is not in registry-export format"
classes=$("$kyreport" classes)
for progid in Ky_Qm_NEWRPD.RPD Ky_Qm_NEWRPD.RPD_RecordSet Ky_Qm_NEWRPD.StaticClass; do
  grep -q "^$progid"$'\t' <<<"$classes" || fail "classes does not list $progid"
done
grep -q 'libKy_Report.so' <<<"$classes" || fail "classes does not name the library"

"$kyreport" unregister >/dev/null
[ -z "$("$kyreport" classes)" ] || fail "classes still listed after unregister"

set +e; "$kyreport" register --library "$dir/missing.so" 2>"$dir/err"; code=$?; set -e
[ "$code" -eq 1 ] || fail "registering a missing library exits with $code"
grep -q 'missing.so' "$dir/err" || fail "the error does not name the library"
echo "1 passed, 0 failed"
