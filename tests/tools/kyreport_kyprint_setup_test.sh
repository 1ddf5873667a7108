#!/usr/bin/env bash
# kyreport kyprint-setup against a private registry store and config folder.
source "$(dirname "$0")/test_preamble.sh"
export KY_REGISTRY=$dir/registry.reg HOME=$dir/home XDG_CONFIG_HOME=$dir/config

"$kyreport" kyprint-setup >/dev/null
ini=$dir/config/kyreport/kyprint.ini
[ -f "$ini" ] || fail "no default configuration at $ini"
grep -q 'AddFileNameSuffix=%04d' "$ini" || fail "the default configuration has no page suffix"
grep -qF '[HKEY_LOCAL_MACHINE\SOFTWARE\kestrow\kyprint]' "$KY_REGISTRY" || fail "no key SOFTWARE\kestrow\kyprint"
grep -qF "\"ConfigFile\"=\"$ini\"" "$KY_REGISTRY" || fail "ConfigFile does not name $ini"

# A second run keeps what is there.
echo "m_bGrayscale=1" >> "$ini"
"$kyreport" kyprint-setup --config "$dir/other.ini" >/dev/null
[ ! -e "$dir/other.ini" ] || fail "an existing configuration was replaced"
grep -q 'm_bGrayscale=1' "$ini" || fail "the configuration was rewritten"

set +e; "$kyreport" kyprint-setup --config 2>/dev/null; code=$?; set -e
[ "$code" -eq 2 ] || fail "--config without a file exits with $code, not 2"
echo "1 passed, 0 failed"
