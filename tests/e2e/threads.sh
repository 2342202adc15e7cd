#!/usr/bin/env bash
# The game's threads under ThreadSanitizer, in a real X server: the game's own, the watcher of
# quit signals, SDL's sound thread pulling from the mixer, and the message box's. The checks that
# run them all are played with the game built by the tsan preset; any race it sees ends the game
# with its report, and the check fails with the game's output.
# Usage: threads.sh KELMORA KELMORA_HEADLESS
set -euo pipefail
kelmora=$1 headless=$2
here=$(cd "$(dirname "$0")" && pwd)
# No second's wait at the end for other threads' reports (it would count against the signal
# checks' limit); Mesa's software rasteriser is not built for the sanitizer, and its locks,
# taken from threads of its own, are not the game's.
export TSAN_OPTIONS="halt_on_error=1:atexit_sleep_ms=0:suppressions=$here/tsan.supp${TSAN_OPTIONS:+:$TSAN_OPTIONS}"
# One of xvfb.sh's checks with the sanitized game: CHECK [ITS ARGUMENTS].
check() {
  echo "--- $*"
  bash "$here/xvfb.sh" "$1" "$kelmora" "${@:2}"
}
check play
check signals none
check signals openbox
check box openbox
check lost server "$headless"
check taps-wm
echo "threads: ok"
