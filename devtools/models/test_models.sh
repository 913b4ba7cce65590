#!/usr/bin/env bash
# Builds and runs the generator's unit tests (GoogleTest):  devtools/models/test_models.sh
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
src="$here/../../src"
build="$(mktemp -d)"
trap 'rm -rf "$build"' EXIT

# shellcheck disable=SC2046  # pkg-config prints several words on purpose
g++ -std=c++20 -O1 -g -Wall -Wextra -Wpedantic -Werror -fsanitize=address,undefined \
    -o "$build/model_builder_test" \
    "$here"/model_builder_test.cpp "$here"/model_builder.cpp "$here"/glyph_render.cpp \
    "$here"/model_fonts.cpp "$here"/font_sets.cpp -DPIXMORA_CHOSEN_ROWS="\"$here/chosen_rows.txt\"" \
    "$src"/fontfile/font_face.cpp "$src"/fontfile/font_bytes.cpp "$src"/fontfile/psf_font.cpp \
    "$src"/io/system_error.cpp "$src"/transform/line_mapping.cpp -I"$src" \
    $(pkg-config --cflags --libs freetype2 zlib) \
    -lgtest -lgtest_main -pthread
"$build/model_builder_test"
