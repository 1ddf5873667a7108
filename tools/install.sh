#!/bin/sh
# install.sh BUILD_DIR PREFIX: installs a build into PREFIX, registers the
# installed component in the registry store (KY_REGISTRY) and writes
# PREFIX/Setup.log, from which PREFIX/unsetup removes all of it again.
set -eu
build=${1:?usage: install.sh BUILD_DIR PREFIX}
prefix=${2:?usage: install.sh BUILD_DIR PREFIX}
case $prefix in /*) ;; *) prefix=$PWD/$prefix ;; esac
writer=$build/bin/setup_log_writer
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$writer" before "$work" "$prefix"
cmake --install "$build" --prefix "$prefix"
# Copied at once: the next installation from this build overwrites it.
cp "$build/install_manifest.txt" "$work/manifest.txt"

installed() { grep -m1 "/$1\$" "$work/manifest.txt"; }
library=$(installed libKy_Report.so)
"$(installed kyreport)" register --library "$library"
"$writer" after "$work" "$prefix" "$work/manifest.txt" "$library"
echo "Installed into $prefix; $prefix/unsetup removes it as $prefix/Setup.log lists it."
