# What every kyreport test script starts with (sourced): strict mode, the
# program under test ($1) and the examples folder ($2 where given), a
# temporary folder $dir removed on exit, fail, and skip with ctest's code 77.
set -euo pipefail
kyreport=$1
examples=${2:-}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }
export QT_QPA_PLATFORM=offscreen
