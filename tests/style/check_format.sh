#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format-16 makes of it
# under the house style (.clang-format). Usage: check_format.sh SOURCE_DIR
set -euo pipefail
cd "$1"
formatter=$(command -v clang-format-16 || true)
if [ -z "$formatter" ]; then
  echo "check_format: clang-format-16 is missing (scripts/install-deps.sh installs it)" >&2
  exit 1
fi
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
  mapfile -t files < <(find . -path ./build\* -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
"$formatter" --dry-run --Werror "${files[@]}"
echo "check_format: ${#files[@]} files follow the house style"
