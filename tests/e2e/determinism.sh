#!/usr/bin/env bash
# The same seed and script must give the same trace, byte for byte, whatever the build.
# Usage: determinism.sh SCRIPT TICKS BINARY...   (binaries that do not exist are skipped)
set -euo pipefail
script=$1 ticks=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
first="" count=0
for binary in "$@"; do
  [ -x "$binary" ] || continue
  out="$work/trace-$count.jsonl"
  "$binary" --seed 20261209 --ticks "$ticks" --script "$script" --trace "$out" --quiet || {
    status=$?
    # Exit 0 is a normal quit; anything else is a failure of the run itself.
    [ "$status" -eq 0 ] || { echo "$binary exited with $status"; exit 1; }
  }
  if [ -z "$first" ]; then
    first=$out
    echo "reference: $binary ($(wc -l <"$out") lines)"
  elif ! cmp -s "$first" "$out"; then
    echo "$binary gives a different trace:"
    diff <(head -c 200000 "$first") <(head -c 200000 "$out") | head -5
    exit 1
  else
    echo "same trace: $binary"
  fi
  count=$((count + 1))
done
if [ "$count" -lt 2 ]; then
  echo "need at least two builds to compare, found $count"
  exit 1
fi
