#!/usr/bin/env bash
# Runs every fuzz target for a while on a working copy of its seed corpus.
# Usage: tests/fuzz/run.sh BUILD_FOLDER SECONDS TARGET...
# Fails on the first finding; the input that caused it is left in
# BUILD_FOLDER/fuzz-artifacts/.
set -euo pipefail
build=$1
seconds=$2
shift 2
cd "$(dirname "$0")/../.."

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$build/fuzz-artifacts"
passed=0
failed=0
for target in "$@"; do
  work="$build/fuzz-corpus/$target"
  mkdir -p "$work"
  log="$build/fuzz-artifacts/$target.log"
  if "$build/bin/fuzz_$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/$target-" \
       "$work" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
    runs=$(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}')
    echo "fuzz $target: ${runs:-?} inputs in ${seconds}s, no finding"
    passed=$((passed + 1))
  else
    echo "fuzz $target: FINDING (log: $log)"
    tail -n 40 "$log"
    failed=$((failed + 1))
  fi
done
if [ "$failed" -eq 0 ]; then
  echo "fuzz: all $passed targets ran without a finding"
else
  echo "fuzz: $failed of $((passed + failed)) targets found a fault"
fi
[ "$failed" -eq 0 ]
