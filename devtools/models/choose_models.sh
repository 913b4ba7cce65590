#!/usr/bin/env bash
# Chooses the model rows, or measures model files on the training and validation fonts:
#     devtools/models/choose_models.sh --choose [--rows START_LIST] [--fixtures DIRECTORY]
#                                      --out CHOSEN_LIST
#     devtools/models/choose_models.sh --evaluate [--set training|validation] [--verbose]
#                                      [--at-least SHARE] [--segments-at-least SHARE]
#                                      [--fixtures DIRECTORY] MODEL_DIRECTORY
# The program is the CMake target pixmora_choose_models (tests/models) of the preset "release"
# (the search is long), configured and built here when needed; PIXMORA_BUILD_DIR names another
# build tree.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${PIXMORA_BUILD_DIR:-$root/build/release}"

if [ ! -f "$build/CMakeCache.txt" ]; then
    (cd "$root" && cmake --preset release >/dev/null)
fi
cmake --build "$build" --target pixmora_choose_models -j2 >/dev/null
"$build/bin/pixmora_choose_models" "$@"
