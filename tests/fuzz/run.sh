#!/usr/bin/env bash
# Builds fuzz_bitmap (cmake --preset fuzz) and fuzzes the bitmap file readers for a while.
# Usage: tests/fuzz/run.sh [SECONDS] [extra libFuzzer options...]   (default 60 seconds)
#
# A crash, an out-of-bounds access, undefined behaviour, a leak, an allocation above the malloc
# limit or a process above the memory limit stops the run with a non-zero status; the input that
# did it is left in build/fuzz/findings/ and can be replayed with
#   build/fuzz/tests/fuzz/fuzz_bitmap build/fuzz/findings/crash-...
# The inputs found along the way collect in build/fuzz/corpus/, so later runs start from them.
set -euo pipefail
seconds=${1:-60}
shift || true
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "${JOBS:-2}"

work=build/fuzz
rm -rf "$work/seeds"
bash tests/fuzz/make_seeds.sh "$work/seeds"
mkdir -p "$work/corpus" "$work/findings"

# No image the game reads is bigger than 640x480 with its tables (about 300 KiB), and an input
# of a few KiB already reaches every check of the readers; 64 MiB for one allocation and 1 GiB
# for the whole process leave room for the sanitizers and nothing else.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
exec "$work/tests/fuzz/fuzz_bitmap" "$work/corpus" "$work/seeds" \
  -max_total_time="$seconds" -max_len=16384 -timeout=10 \
  -rss_limit_mb=1024 -malloc_limit_mb=64 \
  -artifact_prefix="$work/findings/" -print_final_stats=1 "$@"
