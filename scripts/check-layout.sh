#!/usr/bin/env bash
# Fails when an #include in src/ points up the layer order, or when a core folder includes Qt.
# Layers, lowest first; a folder may include its own headers and those of lower layers. Folders on
# one line are siblings and do not include each other.
set -euo pipefail
src=${1:-"$(dirname "$0")/../src"}

layers=(
    "model"
    "editor"
    "io"
    "fontfile"
    "import"
    "transform"
    "tools"
    "commands"
    "gui cli"
    "app"
)
qt_folders=" gui app "

declare -A rank
for i in "${!layers[@]}"; do
    for folder in ${layers[$i]}; do
        rank[$folder]=$i
    done
done

faults=0
while IFS= read -r file; do
    folder=${file#"$src"/}
    folder=${folder%%/*}
    if [ -z "${rank[$folder]+set}" ]; then
        echo "$file: the folder $folder has no place in the layer order"
        faults=$((faults + 1))
        continue
    fi
    while IFS=: read -r line target; do
        to=${target%%/*}
        if [ "$to" = "$folder" ]; then
            continue
        fi
        if [ -z "${rank[$to]+set}" ] || [ "${rank[$to]}" -ge "${rank[$folder]}" ]; then
            echo "$file:$line: $folder/ must not include $target"
            faults=$((faults + 1))
        fi
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" |
                 sed 's/^\([0-9]*\):[^"]*"\([^"]*\)".*/\1:\2/')
    if [[ "$qt_folders" != *" $folder "* ]]; then
        while IFS= read -r hit; do
            echo "$file:$hit: $folder/ is core and must not include Qt"
            faults=$((faults + 1))
        done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q[A-Za-z]*(/[A-Za-z]+)?>' "$file" |
                     cut -d: -f1)
    fi
done < <(find "$src" -mindepth 2 -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

if [ "$faults" -ne 0 ]; then
    echo "$faults include(s) against the layer order"
    exit 1
fi
echo "layers: every include points down"
