#!/usr/bin/env bash
# Fails when a C++ source or header of the tree is compiled by no target of
# the build: a stray copy (an old file left beside the one that replaced it)
# would otherwise go unnoticed, and be read, fixed and reviewed for nothing.
# usage: unbuilt_sources_test.sh SOURCE_DIR BUILD_DIR [FOLDER...]
# The FOLDERs (relative to SOURCE_DIR) hold sources this build leaves out on purpose.
set -euo pipefail
src=$(realpath "$1")
build=$(realpath "$2")
shift 2

[ -f "$build/compile_commands.json" ] || { echo "no compile_commands.json in $build" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# What the build compiles, and every header those files include (Ninja's
# record of the dependencies it found while compiling).
{
  sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$build/compile_commands.json"
  (cd "$build" && ninja -t deps) | sed -n 's/^    //p' | grep -v '^/usr/' | sort -u | (cd "$build" && xargs -r realpath -m)
} | sort -u >"$work/built"

(cd "$src" && find . \( -path ./build -o -path ./.git -o -name node_modules \) -prune -o \
   -type f \( -name '*.cpp' -o -name '*.h' \) -print) | sed "s|^\./|$src/|" | sort >"$work/tree"

for folder in "$@"; do
  grep -v "^$src/${folder%/}/" "$work/tree" >"$work/kept" || true
  mv "$work/kept" "$work/tree"
done

comm -23 "$work/tree" "$work/built" >"$work/unbuilt"
if [ -s "$work/unbuilt" ]; then
  echo "These files are built by no target (remove them, or add them to a target):"
  sed "s|^$src/|  |" "$work/unbuilt"
  exit 1
fi
echo "every source and header of the tree is built ($(wc -l <"$work/tree") files)"
