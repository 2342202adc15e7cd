#!/usr/bin/env bash
# Checks of what installs the game: the staged install, the desktop entry, the AppStream
# description, the manual pages and their version numbers.
# Usage: packaging.sh CHECK SOURCE_DIR BUILD_DIR VERSION
#   CHECK is one of: install, icons, desktop, metainfo, man, versions
set -euo pipefail
check=$1 source_dir=$2 build_dir=$3 version=$4
packaging=$source_dir/packaging
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

icon_sizes="16 22 24 32 48 64 128 256"

case $check in
install)
  stage=$(mktemp -d)
  trap 'rm -rf "$stage"' EXIT
  DESTDIR=$stage cmake --install "$build_dir" --prefix /usr >"$stage.log" 2>&1 || {
    cat "$stage.log"
    rm -f "$stage.log"
    exit 1
  }
  rm -f "$stage.log"
  expected=(
    usr/bin/kelmora
    usr/bin/kelmora-headless
    usr/share/applications/kelmora.desktop
    usr/share/metainfo/io.kelmora.Kelmora.metainfo.xml
    usr/share/man/man6/kelmora.6.gz
    usr/share/man/man6/kelmora-headless.6.gz
    usr/share/doc/kelmora/README.md
    usr/share/doc/kelmora/headless-runner.md
    usr/share/doc/kelmora/copyright
  )
  for size in $icon_sizes; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/kelmora.png")
  done
  # Exactly these files: nothing missing, nothing more (no libraries, tests or tools).
  diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$stage" && find . -type f | sed 's|^\./||' | sort) ||
    fail "the install does not hold exactly the expected files (< expected, > installed)"
  for program in kelmora kelmora-headless; do
    [ -x "$stage/usr/bin/$program" ] || fail "$program is not executable"
  done
  for page in kelmora kelmora-headless; do
    gzip -dc "$stage/usr/share/man/man6/$page.6.gz" | cmp -s - "$packaging/$page.6" ||
      fail "the installed $page.6.gz is not the manual page"
  done
  cmp -s "$stage/usr/share/doc/kelmora/copyright" "$source_dir/LICENSE" ||
    fail "the copyright document is not the licence"
  # Directories must be readable by all, whatever the umask of whoever installs.
  bad_dirs=$(find "$stage/usr" -type d ! -perm -0755)
  [ -z "$bad_dirs" ] || fail "directories not world-readable: $bad_dirs"
  if command -v file >/dev/null; then
    for size in $icon_sizes; do
      icon=$stage/usr/share/icons/hicolor/${size}x${size}/apps/kelmora.png
      file -b "$icon" | grep -q "^PNG image data, $size x $size, 8-bit/color RGBA" ||
        fail "$icon is not a $size x $size RGBA PNG: $(file -b "$icon")"
    done
  fi
  ;;
icons)
  "$build_dir/kelmora-icons" --check "$build_dir/icons" || fail "the icons do not pass their check"
  ;;
desktop)
  out=$(desktop-file-validate "$packaging/kelmora.desktop" 2>&1) || fail "desktop-file-validate failed"
  [ -z "$out" ] || fail "desktop-file-validate reports: $out"
  # What the menu entry must say, beyond what the validator checks.
  for line in Name=Kelmora Exec=kelmora Icon=kelmora Terminal=false Type=Application \
    'Categories=Game;ArcadeGame;'; do
    grep -qxF "$line" "$packaging/kelmora.desktop" || fail "kelmora.desktop lacks $line"
  done
  ;;
metainfo)
  appstreamcli validate --no-net "$packaging/io.kelmora.Kelmora.metainfo.xml" ||
    fail "appstreamcli validate failed"
  grep -q '<launchable type="desktop-id">kelmora.desktop</launchable>' \
    "$packaging/io.kelmora.Kelmora.metainfo.xml" || fail "the metainfo does not launch kelmora.desktop"
  ;;
man)
  for page in kelmora kelmora-headless; do
    out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$packaging/$page.6" 2>&1 >/dev/null) ||
      fail "man cannot format $page.6"
    [ -z "$out" ] || fail "man warns about $page.6: $out"
  done
  # Every option of each program has its entry under OPTIONS (a tag line like `.BI \-\-seed " N"`).
  has_option() {
    sed -n '/^\.SH OPTIONS$/,/^\.SH /p' "$packaging/$1.6" | grep -q "^\.[A-Z]* \\\\-\\\\-$2\\b"
  }
  for option in help version window fullscreen display scale seed record replay trace enemies \
    particles pickups jitter mute defaults; do
    has_option kelmora "$option" || fail "kelmora.6 has no entry for --$option"
  done
  for option in seed ticks script trace set shot quiet; do
    has_option kelmora-headless "$option" || fail "kelmora-headless.6 has no entry for --$option"
  done
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS CONTROLS FILES '"EXIT STATUS"' '"SEE ALSO"'; do
    grep -qx "\.SH $section" "$packaging/kelmora.6" || fail "kelmora.6 lacks the section $section"
  done
  # The controls the README gives are in the page too: Alt+Enter, every pad control of the
  # README's table, and what losing the focus does.
  grep -qx '\.B Alt+Enter' "$packaging/kelmora.6" || fail "kelmora.6 does not say what Alt+Enter does"
  grep -qx '\.SS "Losing the focus"' "$packaging/kelmora.6" || fail "kelmora.6 says nothing of losing the focus"
  gamepad=$(sed -n '/^\.SS Gamepad$/,/^\.S[SH] /p' "$packaging/kelmora.6")
  [ -n "$gamepad" ] || fail "kelmora.6 has no Gamepad subsection"
  pads=$(sed -n '/^### Gamepad$/,/^### /p' "$source_dir/README.md" | sed -n 's/^| \([^|]*[^ |]\) *|.*/\1/p' |
    grep -vx 'Pad' | grep -v '^-')
  [ -n "$pads" ] || fail "the README's gamepad table was not found"
  while read -r pad; do
    grep -qix "\.B $(sed 's/-/\\\\-/g' <<<"$pad")" <<<"$gamepad" ||
      fail "kelmora.6 does not list the pad's $pad"
  done <<<"$pads"
  ;;
versions)
  # The release the project builds is the one its documents name.
  grep -q "<release version=\"$version\"" "$packaging/io.kelmora.Kelmora.metainfo.xml" ||
    fail "the metainfo has no release $version"
  for page in kelmora kelmora-headless; do
    grep -q "^\.TH .* \"Kelmora $version\"" "$packaging/$page.6" || fail "$page.6 is not for Kelmora $version"
  done
  ;;
*)
  echo "unknown check: $check"
  exit 2
  ;;
esac

if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "packaging $check: ok"
