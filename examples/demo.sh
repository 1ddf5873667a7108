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
echo "== kyreport unregister; kyreport classes"
"$bin/kyreport" unregister
"$bin/kyreport" classes
echo "(no classes left)"
