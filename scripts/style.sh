#!/usr/bin/env bash
# Checks that every C++ and Python file is formatted as .clang-format,
# pyproject.toml and .flake8 say; with --fix, formats them in place.
#   scripts/style.sh [--fix]
# ./test runs the check (ctest style.format).
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t cpp < <(find src tests bench fuzz -path fuzz/corpus -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
mapfile -t python < <(find tools tests scripts bench -name '*.py' | sort)
if [ "${1:-}" = --fix ]; then
  clang-format -i "${cpp[@]}"
  black --quiet "${python[@]}"
else
  clang-format --dry-run --Werror "${cpp[@]}"
  black --check --quiet "${python[@]}" || { echo "black would reformat the files above" >&2; exit 1; }
fi
flake8 "${python[@]}"
