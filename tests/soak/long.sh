#!/usr/bin/env bash
# The long soak, run by hand: 200,000 ticks (about an hour of play at 60 frames a second) of
# random play in the sanitized build.
# Usage: tests/soak/long.sh [TICKS] [SEED] [PRESET]   (defaults 200000, 20261209, asan)
set -euo pipefail
ticks=${1:-200000} seed=${2:-20261209} preset=${3:-asan}
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "${JOBS:-2}" --target make_soak kelmora-headless
exec bash tests/soak/soak.sh "build/$preset/make_soak" "build/$preset/kelmora-headless" \
  "$ticks" "$seed"
