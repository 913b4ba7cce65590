#!/usr/bin/env bash
# Fails when a C++ file in src/ or tests/ differs from what clang-format makes of it with the
# repository's .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h')
clang-format --dry-run --Werror "${files[@]}"
echo "format: ${#files[@]} files as clang-format writes them"
