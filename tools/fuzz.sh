#!/usr/bin/env bash
# Runs each libFuzzer target for a bounded time, starting from the seeds in
# fuzz/corpus/<target>/ (left untouched: what the run finds goes into the
# build folder), and prints the executions per target. The seconds given are
# the whole run's, split evenly between the targets.
#   tools/fuzz.sh [build dir, default build-asan] [seconds in all, default 120]
# The targets come from the preset "asan": cmake --preset asan && cmake --build --preset asan
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-asan}
targets=(engvalue_fuzz forms_fuzz features_fuzz)
total=${2:-${FUZZ_SECONDS:-120}}
seconds=$((total / ${#targets[@]}))
[ "$seconds" -ge 1 ] || seconds=1
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$top/tools/lsan-qt.supp:print_suppressions=0}
export QT_QPA_PLATFORM=offscreen
status=0
summary=()
for target in "${targets[@]}"; do
  binary="$build/fuzz/$target"
  if [ ! -x "$binary" ]; then
    echo "fuzz.sh: $binary is missing (build the preset \"asan\")" >&2
    exit 2
  fi
  work="$build/fuzz-work/$target"
  mkdir -p "$work/corpus" "$work/crashes"
  log="$work/log.txt"
  echo "== $target: $seconds s"
  # -timeout: one input may not take five seconds; a hang is a finding like a crash.
  if "$binary" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len=4096 \
      -dict="$top/fuzz/$target.dict" -artifact_prefix="$work/crashes/" -print_final_stats=1 \
      "$work/corpus" "$top/fuzz/corpus/$target" >"$log" 2>&1; then
    result="ok"
  else
    result="FAILED (see $log)"
    status=1
    tail -n 60 "$log"
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  corpus=$(ls "$work/corpus" | wc -l)
  summary+=("$target: $runs executions in $seconds s, $corpus inputs kept, $result")
done
printf '%s\n' "== fuzzing" "${summary[@]}"
exit $status
