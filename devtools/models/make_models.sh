#!/usr/bin/env bash
# Regenerates the model files from real fonts:  devtools/models/make_models.sh data/Model
# Extra arguments go to the generator (--check compares instead of writing, --show draws the rows,
# --rows FILE draws the rows another chosen list names instead of chosen_rows.txt).
set -euo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 [--check] [--show] [--rows CHOSEN_LIST] DIRECTORY" >&2
    exit 2
fi

here="$(cd "$(dirname "$0")" && pwd)"
src="$here/../../src"
build="$(mktemp -d)"
trap 'rm -rf "$build"' EXIT

# shellcheck disable=SC2046  # pkg-config prints several words on purpose
g++ -std=c++20 -O2 -Wall -Wextra -Wpedantic -Werror -o "$build/make_models" \
    "$here"/make_models.cpp "$here"/model_builder.cpp "$here"/model_fonts.cpp "$here"/font_sets.cpp \
    "$here"/glyph_render.cpp "$src"/fontfile/font_face.cpp "$src"/fontfile/font_bytes.cpp \
    "$src"/fontfile/psf_font.cpp "$src"/io/system_error.cpp "$src"/transform/line_mapping.cpp -I"$src" \
    -DPIXMORA_CHOSEN_ROWS="\"$here/chosen_rows.txt\"" $(pkg-config --cflags --libs freetype2 zlib)
"$build/make_models" "$@"
