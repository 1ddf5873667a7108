#!/usr/bin/env bash
# Installs the build into a temporary prefix with a temporary registry store,
# then runs the installed unsetup on the Setup.log the installation wrote:
# the prefix's surroundings and the registry store must be as they were.
set -euo pipefail
build=$1 source=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export KY_REGISTRY=$dir/registry/registry.reg

fail() { echo "FAIL: $*" >&2; exit 1; }

# Another component's class and another program's settings: the installation
# and the removal must leave them alone.
seed_registry() {
  mkdir -p "$dir/registry"
  printf '%s\r\n' \
    'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CLASSES_ROOT\CLSID\{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}\InprocServer32]' \
    '@="/opt/other/libother.so"' '' \
    '[HKEY_CLASSES_ROOT\Other.Thing\CLSID]' \
    '@="{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}"' '' \
    '[HKEY_CURRENT_USER\Software\Other\Tool]' \
    '"Path"="/opt/other"' '' >"$KY_REGISTRY"
}

listing() { (cd "$1" && find . -printf '%y %p %m\n' | LC_ALL=C sort); }

# name | folder that holds the prefix | prefix below it | what the folder holds before
cases=(
  "fresh|fresh|opt/kyreport|"
  "existing|existing|app|app/bin/other-tool app/notes.txt app/share/"
)
for case in "${cases[@]}"; do
  IFS='|' read -r name holder prefix_below contents <<<"$case"
  root=$dir/$holder prefix=$dir/$holder/$prefix_below
  mkdir -p "$root"
  for item in $contents; do
    mkdir -p "$root/$(dirname "$item")"
    case $item in */) mkdir -p "$root/$item" ;; *) echo other >"$root/$item" ;; esac
  done
  seed_registry
  listing "$root" >"$dir/before.txt"
  cp "$KY_REGISTRY" "$dir/registry-before.reg"

  sh "$source/tools/install.sh" "$build" "$prefix" >"$dir/install.out" 2>&1 \
    || { cat "$dir/install.out" >&2; fail "$name: the installation failed"; }
  for file in unsetup Setup.log bin/kyreport lib/libKy_Report.so share/kyreport/kyreport-fonts.conf; do
    [ -f "$prefix/$file" ] || fail "$name: $file is not installed"
  done
  "$prefix/bin/kyreport" classes | grep -q "^Ky_Qm_NEWRPD.RPD"$'\t'".*$prefix/lib/libKy_Report.so" \
    || fail "$name: the installed library is not registered"

  set +e; "$prefix/unsetup" --yes --quiet 2>"$dir/unsetup.err"; code=$?; set -e
  [ "$code" -eq 0 ] || { cat "$dir/unsetup.err" >&2; fail "$name: unsetup exits with $code"; }
  listing "$root" | diff "$dir/before.txt" - >&2 || fail "$name: the folder differs from before the installation"
  cmp "$dir/registry-before.reg" "$KY_REGISTRY" >&2 || {
    diff "$dir/registry-before.reg" "$KY_REGISTRY" >&2
    fail "$name: the registry store differs from before the installation"
  }
  [ ! -e "$KY_REGISTRY.lock" ] || fail "$name: the registry store's lock was left"
done
echo "${#cases[@]} installations removed without a trace"
