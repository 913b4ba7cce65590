#!/usr/bin/env bash
# Installs what is missing, builds the optimised editor and starts it (./test.sh keeps its debug
# build apart, in build/dev).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target pixmora
exec build/release/bin/pixmora "$@"
