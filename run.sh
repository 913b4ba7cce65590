#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target pixmora
exec build/dev/bin/pixmora "$@"
