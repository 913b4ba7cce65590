#!/usr/bin/env bash
# Measures recognition on fonts that drew no model row:
#     devtools/models/measure_recognition.sh [--verbose] [--at-least SHARE] [MODEL_DIRECTORY]
# The model directory defaults to data/Model. The program links the core library of the CMake
# preset "dev" (configured and built here when needed; set PIXMORA_BUILD_DIR for another tree).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
core_build="${PIXMORA_BUILD_DIR:-$root/build/dev}"

args=()
models="$root/data/Model"
while [ $# -gt 0 ]; do
    case "$1" in
        --verbose) args+=("$1") ;;
        --at-least) args+=("$1" "$2"); shift ;;
        -*) echo "usage: $0 [--verbose] [--at-least SHARE] [MODEL_DIRECTORY]" >&2; exit 2 ;;
        *) models="$1" ;;
    esac
    shift
done

if [ ! -f "$core_build/CMakeCache.txt" ]; then
    (cd "$root" && cmake --preset dev >/dev/null)
fi
cmake --build "$core_build" --target pixmora_core -j2 >/dev/null

build="$(mktemp -d)"
trap 'rm -rf "$build"' EXIT
# shellcheck disable=SC2046  # pkg-config prints several words on purpose
g++ -std=c++20 -O2 -Wall -Wextra -Wpedantic -Werror -I"$root/src" -I"$root/fuzz" \
    -o "$build/measure_recognition" \
    "$here"/measure_recognition.cpp "$here"/model_builder.cpp "$here"/model_fonts.cpp \
    "$here"/glyph_render.cpp "$here"/console_font.cpp "$core_build/src/libpixmora_core.a" \
    $(pkg-config --cflags --libs freetype2 zlib)
"$build/measure_recognition" "${args[@]}" "$models"
