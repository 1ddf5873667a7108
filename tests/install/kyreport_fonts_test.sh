#!/usr/bin/env bash
# The shipped fontconfig file maps each Chinese face templates name to the
# Noto CJK face that stands in for it.
set -euo pipefail
fonts_conf=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# The system's configuration first, as the rendering code will load it.
cat >"$dir/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <include>$fonts_conf</include>
</fontconfig>
CONF

# family named by a template | face expected
cases=(
  "宋体|Noto Serif CJK SC"
  "SimSun|Noto Serif CJK SC"
  "新宋体|Noto Serif CJK SC"
  "仿宋|Noto Serif CJK SC"
  "楷体|Noto Serif CJK SC"
  "黑体|Noto Sans CJK SC"
  "SimHei|Noto Sans CJK SC"
  "微软雅黑|Noto Sans CJK SC"
  "Microsoft YaHei|Noto Sans CJK SC"
)
for case in "${cases[@]}"; do
  family=${case%%|*} expected=${case#*|}
  got=$(FONTCONFIG_FILE="$dir/fonts.conf" fc-match -f '%{family[0]}' "$family")
  [ "$got" = "$expected" ] || fail "$family matches \"$got\", not \"$expected\""
done

# A face the file does not name keeps the system's choice.
other=$(FONTCONFIG_FILE="$dir/fonts.conf" fc-match -f '%{family[0]}' "Noto Sans Mono CJK SC")
[ "$other" = "Noto Sans Mono CJK SC" ] || fail "Noto Sans Mono CJK SC matches \"$other\""
echo "${#cases[@]} families mapped"
