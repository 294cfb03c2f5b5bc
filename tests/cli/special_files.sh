#!/usr/bin/env bash
# velmora-check on inputs made at run time: a pipe named like a truckload
# (refused at once, not waited on), endless standard input (refused past the
# size limit), a file name that is not UTF-8 (reported, --json included).
# Usage: special_files.sh VELMORA_CHECK SAMPLES_FOLDER
set -uo pipefail
tool=$1
samples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect NAME RC TEXT -- COMMAND...: runs the command (at most 20 s), checks
# its exit status and that TEXT occurs in its standard error and output.
expect() {
  local name=$1 rc=$2 text=$3
  shift 4
  local out status
  out=$(timeout 20 "$@" 2>&1)
  status=$?
  if [ "$status" -ne "$rc" ] || [[ "$out" != *"$text"* ]]; then
    echo "FAIL $name: exit $status (expected $rc), output:"
    echo "$out" | head -20
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

mkfifo "$work/pipe.vlm" "$work/pipe.json"
cp "$samples/under-1001.json" "$work/$(printf 'load-\377\376.json')"
odd="$work/$(printf 'load-\377\376.json')"

expect fifo-vlm 3 "pipe.vlm: not a regular file" -- "$tool" check "$work/pipe.vlm"
expect fifo-json 3 "pipe.json: not a regular file" -- "$tool" check "$work/pipe.json"
expect endless-stdin 3 "(standard input): larger than 8 MiB" -- bash -c "'$tool' check - < /dev/zero"
expect non-utf8-name-json 0 '"file": "'"$work"'/load-' -- "$tool" check --json "$odd"
expect non-utf8-name-text 0 "Truckload SMALL LOAD" -- "$tool" check "$odd"

exit $((failures > 0))
