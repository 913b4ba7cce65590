#!/usr/bin/env bash
# Every option of every pixmora-cli command, as its --help lists it, appears on the rendered manual
# page and among the bash completion's offers for that command; the completion also offers the
# values of the options that have fixed ones, quoted as one word. With the editor given, its
# options are checked against its own page too.
#   check_cli_docs.sh PIXMORA_CLI SOURCE_DIR [PIXMORA]
set -euo pipefail
cli=$1
source_dir=$2
editor=${3:-}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

page=$(MANWIDTH=200 man -l "$source_dir/packaging/man/pixmora-cli.1" 2>/dev/null)
# Each option is described in OPTIONS, not only named in the synopsis.
described=$(sed -n '/^OPTIONS$/,/^EXIT STATUS$/p' <<<"$page")

# shellcheck disable=SC1091
source /usr/share/bash-completion/bash_completion
# shellcheck source=pixmora-cli.bash-completion
source "$source_dir/packaging/pixmora-cli.bash-completion"
# What the completion offers for a command line typed up to its end.
offers() {
    COMP_LINE=$1
    COMP_POINT=${#COMP_LINE}
    read -r -a COMP_WORDS <<<"$COMP_LINE"
    [[ $COMP_LINE == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _pixmora_cli
    printf '%s\n' "${COMPREPLY[@]}"
}

for command in "" info convert rasterise render find; do
    options=$("$cli" $command --help | grep -oE -- '^ +(-[a-z], )?--[a-z][a-z-]*' | grep -o -- '--[a-z-]*' | sort -u)
    [ -n "$options" ] || fail "no options in pixmora-cli $command --help"
    offered=$(offers "pixmora-cli $command${command:+ }-")
    for option in $options; do
        grep -q -- "$option\b" <<<"$described" || fail "the manual page lacks $option ($command)"
        grep -qx -- "$option" <<<"$offered" || fail "the completion does not offer $option ($command)"
    done
    [ -z "$command" ] || grep -q "^ *pixmora-cli $command " <<<"$page" ||
        fail "the manual page lacks the command $command"
done

expect_offers() {
    local got
    got=$(offers "$1" | tr '\n' ' ')
    [ "$got" = "$2" ] || fail "'$1' offers '$got', not '$2'"
}
expect_offers "pixmora-cli i" "info "
expect_offers "pixmora-cli convert a.hex b.h --kind co" "code "
expect_offers "pixmora-cli convert a.hex b.h --kind b" "bdf bin "
expect_offers "pixmora-cli convert a.hex b.h --flash " "none progmem rodata "
expect_offers "pixmora-cli convert a.hex b.h --notation " '\&hNN \$NN \#NN 0xNN NNh '
expect_offers "pixmora-cli render a.hex b.png --format 1" '12\ x\ 16 16\ x\ 16 16\ x\ 24 '
expect_offers "pixmora-cli convert a.hex b.h --rescan " "0 1 2 3 "
if [ -n "$editor" ]; then
    editor_page=$(MANWIDTH=200 man -l "$source_dir/packaging/man/pixmora.1" 2>/dev/null |
        sed -n '/^OPTIONS$/,/^FILES$/p')
    editor_options=$(QT_QPA_PLATFORM=offscreen "$editor" --help 2>/dev/null |
        grep -o -- '--[a-z][a-z-]*' | sort -u)
    [ -n "$editor_options" ] || fail "no options in pixmora --help"
    for option in $editor_options; do
        grep -q -- "$option\b" <<<"$editor_page" || fail "pixmora's manual page lacks $option"
    done
fi
echo "manual pages and completion cover every option"
