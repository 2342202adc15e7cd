#!/usr/bin/env bash
# Plays SCRIPT headlessly and checks every line of its trace against the rules written again in
# Python (rules.py). Usage: run.sh PYTHON BINARY SCRIPT SEED TICKS PIXEL_EVERY [--set NAME=VALUE]...
set -euo pipefail
python=$1 binary=$2 script=$3 seed=$4 ticks=$5 pixels=$6
shift 6
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$binary" --seed "$seed" --ticks "$ticks" --script "$script" --trace "$work/trace.jsonl" --quiet "$@"
"$python" "$(dirname "$0")/rules.py" "$work/trace.jsonl" "$script" "$seed" --pixels "$pixels"
