#!/usr/bin/env bash
# Checks of the sources as committed.
# Usage: source_checks.sh format SOURCE_DIR CLANG_FORMAT
#          every tracked .cpp and .h file is formatted as .clang-format says
#        source_checks.sh generated SOURCE_DIR
#          no tracked file is one that .gitignore names (a build product, a Python cache)
set -euo pipefail
check=$1 source=$2
cd "$source"

case "$check" in
format)
  clang_format=$3
  files=$(git ls-files '*.cpp' '*.h' | wc -l)
  [ "$files" -gt 0 ] || { echo "no sources found under $source"; exit 1; }
  if ! git ls-files -z '*.cpp' '*.h' | xargs -0 "$clang_format" --dry-run -Werror; then
    echo "these files are not formatted: run make format (clang-format -i FILE)"
    exit 1
  fi
  echo "$files files formatted"
  ;;
generated)
  ignored=$(git ls-files --cached --ignored --exclude-standard)
  if [ -n "$ignored" ]; then
    echo "tracked files that .gitignore leaves out (generated files: git rm --cached them):"
    echo "$ignored"
    exit 1
  fi
  echo "no generated file is tracked"
  ;;
*)
  echo "unknown check $check"
  exit 2
  ;;
esac
