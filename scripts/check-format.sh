#!/usr/bin/env bash
# Checks that every C++ file under version control is laid out as
# .clang-format says, and fails (listing the files) when one is not:
#
#   scripts/check-format.sh          check
#   scripts/check-format.sh --fix    lay the files out in place
#
# clang-format's layout changes between its major versions, so the check
# takes Debian 12's clang-format (14), which it installs when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang-format

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
unformatted=()
for f in "${files[@]}"; do
  clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
done
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "not laid out as .clang-format says (scripts/check-format.sh --fix lays them out):"
  printf '  %s\n' "${unformatted[@]}"
  exit 1
fi
echo "all ${#files[@]} C++ files laid out as .clang-format says"
