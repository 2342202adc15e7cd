#!/usr/bin/env bash
# Replays one golden session and compares its whole trace with the one recorded.
# Usage: check.sh BINARY GOLDEN_DIR NAME WORK_DIR [runner options...]
#
# GOLDEN_DIR/NAME.txt is the session's script and GOLDEN_DIR/NAME.sha256 its recorded trace: the
# SHA-256 of the whole trace and its line count, then the first 16 hex digits of each line's
# SHA-256 (to name the first tick that differs). GOLDEN_DIR/NAME.keys holds a short digest of each
# key's value on each line (keys.py), made from the same trace, to name the keys that differ at
# that tick. The traces themselves run to megabytes and are not kept. With KELMORA_UPDATE_GOLDEN=1 the recording is rewritten from this run instead: do that
# only for a deliberate change of behaviour, and say why in the commit.
set -euo pipefail
binary=$1 dir=$2 name=$3 work=$4
shift 4
script="$dir/$name.txt"
golden="$dir/$name.sha256"
keys="$dir/$name.keys"
keys_tool="$(dirname "$0")/keys.py"
mkdir -p "$work"
trace="$work/$name.jsonl"

status=0
"$binary" --script "$script" --trace "$trace" --quiet "$@" || status=$?
# A session may end the game itself (exit 0); anything else is a failure of the run.
if [ "$status" -ne 0 ]; then
  echo "$binary exited with status $status"
  exit 1
fi

whole=$(sha256sum <"$trace" | cut -c1-64)
lines=$(wc -l <"$trace")

# One line per trace line: "INDEX HASH16", the index counting from 0 (the tick-0 line).
per_line() {
  local parts="$work/$name.lines"
  rm -rf "$parts"
  mkdir -p "$parts"
  split -l 1 -a 6 -d "$trace" "$parts/l"
  (cd "$parts" && sha256sum l*) | awk '{ print substr($2, 2) + 0, substr($1, 1, 16) }'
  rm -rf "$parts"
}

if [ "${KELMORA_UPDATE_GOLDEN:-0}" = 1 ]; then
  {
    echo "# kelmora-headless $* --script $name.txt: SHA-256 of the whole trace and its lines,"
    echo "# then each line's index and the start of its SHA-256. Rewritten by KELMORA_UPDATE_GOLDEN=1."
    echo "trace $whole $lines"
    per_line
  } >"$golden"
  python3 "$keys_tool" make "$trace" "$whole" >"$keys"
  echo "updated $golden and $keys ($lines lines)"
  exit 0
fi

[ -f "$golden" ] || { echo "no recording $golden: run with KELMORA_UPDATE_GOLDEN=1"; exit 1; }
read -r _ want_whole want_lines < <(grep '^trace ' "$golden")
if [ "$whole" = "$want_whole" ] && [ "$lines" = "$want_lines" ]; then
  echo "golden $name: $lines lines, identical"
  rm -f "$trace"
  exit 0
fi

echo "golden $name: the trace differs from the recording ($lines lines, recorded $want_lines)"
first=$(diff <(grep -v '^[#t]' "$golden") <(per_line) | sed -n 's/^\([0-9][0-9]*\)\(,[0-9]*\)\?[acd].*/\1/p' | head -1 || true)
if [ -n "$first" ]; then
  # diff counts from 1: the differing index is one below.
  index=$((first - 1))
  echo "first differing line: index $index ($(sed -n "$((index + 1))p" "$trace" | grep -o '"tick":[0-9]*' || echo 'past the end'))"
  # The keys whose values differ, from the digests made of the recorded trace itself.
  if [ -f "$keys" ] && [ "$(head -1 "$keys")" = "trace $want_whole" ] && command -v python3 >/dev/null; then
    python3 "$keys_tool" diff "$keys" "$trace" "$index"
  else
    echo "(no key digests of this recording at $keys, or no python3: the keys are not named)"
    echo "this run's line (first 400 characters):"
    sed -n "$((index + 1))p" "$trace" | cut -c1-400
  fi
else
  echo "every line starts the same; the difference lies in a line's later bytes or the line count"
fi
echo "this run's trace is kept at $trace"
exit 1
