#!/usr/bin/env bash
# Long random play (tests/soak/make_soak.cpp) on the headless runner.
#
#   soak.sh MAKE_SOAK RUNNER TICKS [SEED]            the whole session: it passes when the game
#       plays every tick of the script, quits on its final Escape with status 0, and the
#       sanitizers (when the runner has them) say nothing
#   soak.sh --opening MAKE_SOAK RUNNER TICKS [SEED]  only the opening menu session, traced: it
#       passes when the script's clicks really hit the menu, so that the new game it starts
#       has every option at its largest value
set -uo pipefail
opening=0
if [ "${1:-}" = --opening ]; then
  opening=1
  shift
fi
make_soak=${1:?usage: soak.sh [--opening] MAKE_SOAK RUNNER TICKS [SEED]}
runner=${2:?} ticks=${3:?} seed=${4:-20261209}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$make_soak" --seed "$seed" --ticks "$ticks" >"$work/script.txt" || exit 1
echo "script: $(wc -l <"$work/script.txt") lines, seed $seed, $ticks ticks"

if [ "$opening" = 1 ]; then
  newGame=$(sed -n 's/^# New Game with the largest options clicked by tick \([0-9]*\)$/\1/p' \
    "$work/script.txt")
  [ -n "$newGame" ] || { echo "the script does not say when its New Game comes"; exit 1; }
  largest='"settings":{"drones":125,"jitter":0,"particles":5000,"pickupSetting":1500,"shipCount":126,"pickupCount":1500}'
  # The trace up to just after the New Game, read as it comes.
  "$runner" --ticks $((newGame + 2)) --script "$work/script.txt" --trace - --quiet |
    awk -v largest="$largest" '
      !seen && index($0, largest) { seen = 1; print "largest options from tick " substr($0, 9, index($0, ",") - 9) }
      END { exit !seen }'
  status=("${PIPESTATUS[@]}")
  if [ "${status[0]}" -ne 0 ]; then
    echo "the runner exited with status ${status[0]}"
    exit 1
  fi
  if [ "${status[1]}" -ne 0 ]; then
    echo "the options never reached their largest values by tick $((newGame + 2)): the menu clicks missed"
    exit 1
  fi
  exit 0
fi

# Leaks count as reports; the first report ends the run. The sanitizers write to stderr, and so
# does the runner's closing line ("N ticks, F frames, exit status S"). A few ticks to spare, so
# that an Escape that did not end the game shows as a run that went on.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
start=$(date +%s)
"$runner" --ticks $((ticks + 10)) --script "$work/script.txt" 2>"$work/stderr" >/dev/null
status=$?
echo "ran in $(($(date +%s) - start)) s"

failed=0
if grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:|SUMMARY: [A-Za-z]+Sanitizer' \
  "$work/stderr"; then
  echo "the sanitizers reported:"
  head -60 "$work/stderr"
  failed=1
fi
if [ "$status" -ne 0 ]; then
  echo "the runner exited with status $status"
  tail -5 "$work/stderr"
  failed=1
fi
summary=$(grep -E '^[^ ]*: [0-9]+ ticks, [0-9]+ frames, exit status' "$work/stderr" | tail -1)
echo "${summary:-no closing line from the runner}"
if [ -n "$summary" ] && ! grep -qE ": $ticks ticks, .*exit status 0\$" <<<"$summary"; then
  echo "the game did not end with the script's Escape on tick $ticks"
  failed=1
fi
exit "$failed"
