#!/usr/bin/env bash
# The game's own files: an output that is the same file as an input or another output is refused
# before anything is written, and a demo or trace that cannot be written is told once and ends the
# program with status 3 once the game is over. No window is needed (SDL's dummy video driver).
# Usage: game_files.sh KELMORA
set -euo pipefail
kelmora=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
mkdir -p home
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
# Runs the game; sets $status and $said (standard error).
play() {
  status=0
  said=$(timeout 60 "$kelmora" --window --defaults "$@" 2>&1 >/dev/null) || status=$?
}

printf 'seed 3\n1 vk F1\n2 key UP down\n8 key UP up\n12 vk ESCAPE\n' >demo.txt
cp demo.txt kept.txt
ln -s demo.txt link.txt

# The same file under other names: refused with exit 2, the demo as it was, nothing written.
for clash in "--record ./demo.txt" "--record link.txt" "--trace demo.txt"; do
  # shellcheck disable=SC2086
  play --replay demo.txt $clash
  [ "$status" = 2 ] || fail "--replay demo.txt $clash: exit $status, expected 2"
  case "$said" in *"is the same file as --replay 'demo.txt'"*) ;; *) fail "$clash said: $said" ;; esac
  cmp -s demo.txt kept.txt || fail "$clash changed the demo"
done
play --replay demo.txt --record out.txt --trace ./sub/../out.txt
[ "$status" = 2 ] || fail "--record and --trace on one file: exit $status, expected 2"
case "$said" in *"--trace './sub/../out.txt' is the same file as --record 'out.txt'"*) ;; *) fail "said: $said" ;; esac
[ ! -e out.txt ] || fail "out.txt was written"

# A full disk: told once per file, the game plays to its end, exit status 3.
play --replay demo.txt --trace /dev/full
[ "$status" = 3 ] || fail "--trace /dev/full: exit $status, expected 3"
[ "$(grep -c "cannot write the trace to '/dev/full'" <<<"$said")" = 1 ] || fail "trace: $said"
play --replay demo.txt --record /dev/full --trace good.jsonl
[ "$status" = 3 ] || fail "--record /dev/full: exit $status, expected 3"
[ "$(grep -c "cannot write the session to '/dev/full'" <<<"$said")" = 1 ] || fail "demo: $said"
[ "$(wc -l <good.jsonl)" = 13 ] || fail "the game did not play on: $(wc -l <good.jsonl) trace lines"

# A trace on standard output into a pipe whose reader has gone: told once, the game plays to its
# end, exit status 3 (not an end by SIGPIPE, with nothing told).
status=0
{ sleep 1; timeout 60 "$kelmora" --window --defaults --replay demo.txt --trace - 2>said.txt ||
  echo $? >status.txt; } | true
[ -e status.txt ] && status=$(cat status.txt)
[ "$status" = 3 ] || fail "--trace - into a closed pipe: exit $status, expected 3"
[ "$(grep -c "cannot write the trace to '-'" said.txt)" = 1 ] || fail "pipe: $(cat said.txt)"

# Written in full: status 0.
play --replay demo.txt --record again.txt --trace again.jsonl
[ "$status" = 0 ] || fail "a run that writes everything: exit $status, expected 0: $said"
cmp -s again.jsonl good.jsonl || fail "the traces differ"

[ "$failures" = 0 ] && echo "game files: all checks passed"
exit "$failures"
