#!/usr/bin/env bash
# A long session of random play (tests/soak/make_soak.cpp) on the headless runner. It passes when
# the game plays the whole script and quits on its final Escape with status 0, the opening menu
# session really pushed every option to its largest value, and the sanitizers said nothing.
# Usage: soak.sh MAKE_SOAK RUNNER TICKS [SEED]
set -uo pipefail
make_soak=${1:?usage: soak.sh MAKE_SOAK RUNNER TICKS [SEED]}
runner=${2:?} ticks=${3:?} seed=${4:-20261209}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$make_soak" --seed "$seed" --ticks "$ticks" >"$work/script.txt" || exit 1
echo "script: $(wc -l <"$work/script.txt") lines, seed $seed, $ticks ticks"

# Leaks count as reports; the first report ends the run. The sanitizers write to stderr.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# The trace is read as it comes, keeping only what is checked: whether the largest settings were
# ever in force, and the last line. A few ticks to spare, so that an Escape that did not end the
# game shows as a run that went on.
largest='"settings":{"drones":125,"jitter":0,"particles":5000,"pickupSetting":1500,"shipCount":126,"pickupCount":1500}'
start=$(date +%s)
"$runner" --ticks $((ticks + 10)) --script "$work/script.txt" --trace - --quiet \
  2>"$work/stderr" |
  awk -v largest="$largest" -v out="$work/largest" '
    !seen && index($0, largest) { seen = 1; print "largest settings from tick " substr($0, 9, index($0, ",") - 9) >out }
    { last = $0 }
    END { print last }' >"$work/last"
status=${PIPESTATUS[0]}
echo "ran in $(($(date +%s) - start)) s"

failed=0
if grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:|SUMMARY: [A-Za-z]+Sanitizer' \
  "$work/stderr"; then
  echo "the sanitizers reported:"
  head -60 "$work/stderr"
  failed=1
elif [ -s "$work/stderr" ]; then
  echo "the runner wrote to stderr:"
  head -20 "$work/stderr"
fi
if [ "$status" -ne 0 ]; then
  echo "the runner exited with status $status"
  failed=1
fi
if ! grep -q "^{\"tick\":$ticks,.*\"exit\":0}\$" "$work/last"; then
  echo "the game did not end with the script's Escape on tick $ticks; the last trace line starts:"
  head -c 300 "$work/last"
  echo
  failed=1
fi
if [ -s "$work/largest" ]; then
  cat "$work/largest"
else
  echo "the options never reached their largest values: the menu clicks missed"
  failed=1
fi
exit "$failed"
