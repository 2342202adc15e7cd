#!/usr/bin/env bash
# The game configures and builds without the tests, the benchmarks and the packages only they
# need (GoogleTest, Google Benchmark, libpng), as make play builds it, and links none of them.
# Usage: game_alone.sh SOURCE_DIR WORK_DIR CXX_COMPILER C_COMPILER WERROR(ON/OFF)
set -euo pipefail
source=$1 work=$2 cxx=$3 cc=$4 werror=$5
rm -rf "$work"

fail() {
  echo "game_alone: $*"
  exit 1
}

cmake -S "$source" -B "$work" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
  -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_C_COMPILER="$cc" -DKELMORA_WERROR=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_PNG=ON >"$work.configure.log" 2>&1 ||
  { cat "$work.configure.log"; fail "the configure without the test packages failed"; }

targets=$(cmake --build "$work" --target help | sed -n 's/^\.\.\. \([^ ]*\).*/\1/p')
grep -qx kelmora <<<"$targets" || fail "no kelmora target"
for target in kelmora-tests kelmora-artwork-tests kelmora-sdl-tests kelmora-bench make_soak; do
  if grep -qx "$target" <<<"$targets"; then fail "the test target $target is configured"; fi
done
[ ! -f "$work/CTestTestfile.cmake" ] || fail "tests are registered"

cmake --build "$work" -j 2 --target kelmora >"$work.build.log" 2>&1 ||
  { tail -40 "$work.build.log"; fail "kelmora did not build"; }
[ -x "$work/kelmora" ] || fail "no kelmora program"
# Only the game and what it needs were built: no other program of the project.
for program in kelmora-headless kelmora-pacing kelmora-tests; do
  [ ! -e "$work/$program" ] || fail "$program was built too"
done
needed=$(readelf -d "$work/kelmora" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
grep -q '^libSDL2' <<<"$needed" || fail "kelmora does not link SDL2"
if grep -Eq '^lib(png|gtest|gmock|benchmark)' <<<"$needed"; then
  fail "kelmora links a library it does not use: $(tr '\n' ' ' <<<"$needed")"
fi
echo "kelmora built alone, linking: $(tr '\n' ' ' <<<"$needed")"
rm -rf "$work" "$work.configure.log" "$work.build.log"
