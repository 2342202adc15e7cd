#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine, runs the installed programs and removes
# the package again. Needs root (or sudo) and apt-get; run after `make test`.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive

# A package left installed by an earlier run would hide a broken install: start from none.
if dpkg-query -W -f='${Status}' kelmora 2>/dev/null | grep -q "install ok installed"; then
  echo "removing the kelmora package left installed before"
  $sudo apt-get remove -y -qq -o Dpkg::Use-Pty=0 kelmora
fi

rm -f build/default/kelmora_*.deb
make package
shopt -s nullglob
debs=(build/default/kelmora_*.deb)
shopt -u nullglob
if [ "${#debs[@]}" -ne 1 ]; then
  echo "expected one package in build/default, found ${#debs[@]}"
  exit 1
fi
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
echo "package: $deb (version $version)"

# Only needed when a dependency is not installed yet; the lists at hand may well do.
$sudo apt-get update -qq || echo "note: apt-get update failed; installing with the package lists at hand"
installed=0
work=""
cleanup() {
  if [ "$installed" = 1 ]; then $sudo apt-get remove -y -qq -o Dpkg::Use-Pty=0 kelmora || true; fi
  if [ -n "$work" ]; then rm -rf "$work"; fi
}
trap cleanup EXIT
$sudo apt-get install -y -qq -o Dpkg::Use-Pty=0 "./$deb"
installed=1

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The package's own file list: dpkg may be set up to leave documentation out, so look at what the
# package holds rather than at the disk for those.
contents=$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|')
for path in /usr/bin/kelmora /usr/bin/kelmora-headless /usr/share/applications/kelmora.desktop \
  /usr/share/metainfo/io.kelmora.Kelmora.metainfo.xml /usr/share/man/man6/kelmora.6.gz \
  /usr/share/man/man6/kelmora-headless.6.gz /usr/share/icons/hicolor/256x256/apps/kelmora.png; do
  grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
for program in kelmora kelmora-headless; do
  [ -x "/usr/bin/$program" ] || fail "/usr/bin/$program is not installed"
done
# Every library the programs need was found by the package's dependencies.
for program in kelmora kelmora-headless; do
  if ldd "/usr/bin/$program" | grep -q "not found"; then
    fail "/usr/bin/$program misses libraries: $(ldd "/usr/bin/$program" | grep "not found")"
  fi
done

# The installed programs play the same game as the build: a session of ten seconds (the first
# 600 ticks of the test scenario, then Escape) gives the built runner's trace, byte for byte, when
# the installed runner replays it and when the installed game plays it back in a window (on SDL's
# dummy video driver: no display is needed).
work=$(mktemp -d)
awk '$1 ~ /^[0-9]+$/ && $1 < 600' tests/e2e/scenarios/play.txt >"$work/session.txt"
echo "600 vk ESCAPE" >>"$work/session.txt"
build/default/kelmora-headless --seed 1 --ticks 1000 --script "$work/session.txt" --trace "$work/built.jsonl" --quiet
cd "$work"
status=0
timeout 300 /usr/bin/kelmora-headless --seed 1 --ticks 1000 --script session.txt --trace headless.jsonl --quiet ||
  status=$?
if [ "$status" != 0 ]; then
  fail "the installed kelmora-headless exited with status $status"
elif ! cmp -s built.jsonl headless.jsonl; then
  fail "the installed kelmora-headless plays another game than the built one"
else
  echo "installed kelmora-headless replayed $(($(wc -l <headless.jsonl) - 1)) ticks exactly"
fi
status=0
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 300 /usr/bin/kelmora --window --replay session.txt \
  --seed 1 --trace window.jsonl </dev/null >window.log 2>&1 || status=$?
if [ "$status" != 0 ]; then
  fail "the installed kelmora --replay exited with status $status: $(tail -n 5 window.log)"
elif ! cmp -s built.jsonl window.jsonl; then
  fail "the installed kelmora --replay plays another game than the built runner"
else
  echo "installed kelmora played the session back in a window exactly"
fi

answer=$(timeout 60 /usr/bin/kelmora --version </dev/null 2>&1) && status=0 || status=$?
[ "$status" = 0 ] || fail "kelmora --version exited with status $status"
[ "$answer" = "kelmora $version" ] || fail "kelmora --version says '$answer', the package is $version"
echo "installed kelmora --version: $answer"
cd - >/dev/null
rm -rf "$work"
work=""

$sudo apt-get remove -y -qq -o Dpkg::Use-Pty=0 kelmora
installed=0
[ ! -e /usr/bin/kelmora ] || fail "/usr/bin/kelmora is still there after the package was removed"

if [ "$failures" -ne 0 ]; then
  echo "package check: $failures failure(s)"
  exit 1
fi
echo "package check: ok"
