#!/usr/bin/env bash
# A fuzzing campaign: each target for MINUTES (at most KY_FUZZ_MAX_RUNS
# executions, ten million by default) with its corpus and dictionary, one
# after the other, then a table of what each run did. Findings are kept under
# build/fuzz/findings/TARGET/; a finding ends a libFuzzer run, so the target
# goes on with the time left. New inputs that add coverage are merged into
# the committed corpus (fuzz/corpus/NAME), which grows only with coverage.
# usage: fuzz/campaign.sh BIN_DIR MINUTES [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:?usage: fuzz/campaign.sh BIN_DIR MINUTES [TARGET...]}
minutes=${2:?usage: fuzz/campaign.sh BIN_DIR MINUTES [TARGET...]}
shift 2
[[ $minutes =~ ^[0-9]+$ ]] && [ "$minutes" -gt 0 ] || { echo "MINUTES is a whole number above 0, not '$minutes'" >&2; exit 2; }
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(cd "$bin" && ls fuzz_* | sort)
fi
for target in "${targets[@]}"; do
  [ -x "$bin/$target" ] || { echo "no fuzz target $target in $bin" >&2; exit 2; }
done
max_runs=${KY_FUZZ_MAX_RUNS:-10000000}
# What users can send: a template or data file of some megabytes fills in
# well under a second; five seconds or two gigabytes is a fault.
limits=(-timeout=5 -rss_limit_mb=2048)

# The figure after "NAME:" (stat lines) or "NAME " (status lines) in a log, last one wins.
last_number() { grep -oE "$1[: ]+[0-9]+" "$2" | tail -n 1 | grep -oE '[0-9]+$' || true; }

table=$(printf '%-24s %12s %9s %7s %7s %7s %9s\n' target executions exec/s cov ft corpus findings)
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  corpus=$root/fuzz/corpus/$name
  work=$root/build/fuzz/corpus/$name
  findings=$root/build/fuzz/findings/$target
  logs=$root/build/fuzz/logs/$target
  mkdir -p "$corpus" "$work" "$findings" "$logs"
  rm -f "$logs"/*.log
  dict=()
  [ -f "$root/fuzz/dict/$name.dict" ] && dict=(-dict="$root/fuzz/dict/$name.dict")
  echo "== $target: $minutes min${dict:+, dictionary ${dict[0]#-dict=}}" >&2

  budget=$((minutes * 60)) started=$SECONDS runs=0 segment=0
  while :; do
    left=$((budget - (SECONDS - started)))
    [ "$left" -gt 0 ] && [ "$runs" -lt "$max_runs" ] || break
    segment=$((segment + 1))
    log=$logs/$segment.log
    "$bin/$target" -max_total_time="$left" -runs=$((max_runs - runs)) "${limits[@]}" -print_final_stats=1 \
      -artifact_prefix="$findings/" "${dict[@]}" "$work" "$corpus" > "$log" 2>&1 || true
    done_runs=$(last_number 'stat::number_of_executed_units' "$log")
    [ -n "$done_runs" ] || done_runs=$(grep -oE '^#[0-9]+' "$log" | tail -n 1 | tr -d '#' || true)
    runs=$((runs + ${done_runs:-0}))
    # A run that ended almost at once keeps ending so (an input of the
    # corpus that fails): waiting for the clock would change nothing.
    [ "${done_runs:-0}" -ge 100 ] || break
  done
  seconds=$((SECONDS - started))

  "$bin/$target" -merge=1 "${limits[@]}" "$corpus" "$work" > "$logs/merge.log" 2>&1 ||
    echo "$target: merging into $corpus failed (see $logs/merge.log)" >&2
  last=$(ls -t "$logs"/[0-9]*.log | head -n 1)
  cov=$(last_number 'cov' "$last")
  ft=$(last_number 'ft' "$last")
  table+=$'\n'$(printf '%-24s %12d %9d %7s %7s %7d %9d' "$target" "$runs" $((runs / (seconds > 0 ? seconds : 1))) \
    "${cov:--}" "${ft:--}" "$(ls "$corpus" | wc -l)" "$(ls "$findings" | wc -l)")
done
echo
echo "$table"
echo "(findings in $root/build/fuzz/findings/TARGET/, logs in $root/build/fuzz/logs/TARGET/)"
