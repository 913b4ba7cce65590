#!/usr/bin/env bash
# Measures recognition on fonts that drew no model row:
#     devtools/models/measure_recognition.sh [--enlarged] [--verbose] [--at-least SHARE] [MODEL_DIRECTORY]
# The model directory defaults to data/Model. The program is the CMake target
# pixmora_measure_recognition (tests/models) of the preset "dev", configured and built here when
# needed; PIXMORA_BUILD_DIR names another build tree.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${PIXMORA_BUILD_DIR:-$root/build/dev}"

args=()
models="$root/data/Model"
while [ $# -gt 0 ]; do
    case "$1" in
        --enlarged|--verbose) args+=("$1") ;;
        --at-least) args+=("$1" "$2"); shift ;;
        -*) echo "usage: $0 [--enlarged] [--verbose] [--at-least SHARE] [MODEL_DIRECTORY]" >&2; exit 2 ;;
        *) models="$1" ;;
    esac
    shift
done

if [ ! -f "$build/CMakeCache.txt" ]; then
    (cd "$root" && cmake --preset dev >/dev/null)
fi
cmake --build "$build" --target pixmora_measure_recognition -j2 >/dev/null
"$build/bin/pixmora_measure_recognition" "${args[@]}" "$models"
