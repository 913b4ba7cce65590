#!/usr/bin/env bash
# Builds the Debian package of a build tree and checks it as a user and Debian's tools see it:
# the control fields, both programs run from the unpacked tree (the model files found beside the
# real executable through the links in bin/), the desktop entry, the AppStream data, the manual
# pages and lintian. Warnings of lintian are printed, errors fail.
#   check_package.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1
work=$2

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$work"
mkdir -p "$work"
(cd "$build" && cpack -G DEB -B "$work/cpack") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack -G DEB"; }
debs=("$work"/cpack/pixmora_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || fail "no package in $work/cpack"
echo "package: $deb"

for field in Package Version Architecture Maintainer Section Homepage Description Depends; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "no $field field"
done
version=$(dpkg-deb -f "$deb" Version)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Computed by dpkg-shlibdeps from the executables, with versions.
for library in libc6 libstdc++6 libpng16-16 libqt6core6 libqt6widgets6; do
    [[ ", $depends," == *", $library (>= "* ]] || fail "Depends lacks $library: $depends"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
export XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

cli=$root/usr/bin/pixmora-cli
[ "$("$cli" --version)" = "pixmora-cli $version" ] || fail "pixmora-cli --version"

# A font made from the shipped 8 x 8 model file: its test characters are the first row of reference
# glyphs, every other character blank.
awk -v positions="0 5 6 15 16 17 18 19 33 34 35 36 160 161 162 163" '
    BEGIN { count = split(positions, index_of, " "); for (p = 1; p <= count; ++p) slot[index_of[p]] = p }
    NR <= count { sub(/\r$/, ""); glyph[NR] = $0 }
    END {
        for (i = 0; i < 224; ++i)
            printf "%s\r\n", (i in slot) ? glyph[slot[i]] : "Data &h00,&h00,&h00,&h00,&h00,&h00,&h00,&h00"
    }' "$root/usr/lib/pixmora/Model/t1.mod" >"$work/font.fnt"

info_json() {
    "$cli" info "$1" --json | tr -d ' \n'
}
json=$(info_json "$work/font.fnt")
[[ $json == *'"recognised":true'* && $json == *'"format":"8x8"'* && $json == *'"scan":0,'* ]] ||
    fail "info on the made font: $json"
"$cli" convert "$work/font.fnt" "$work/font.hex" --rescan 2
json=$(info_json "$work/font.hex")
[[ $json == *'"format":"8x8"'* && $json == *'"scan":2,'* ]] || fail "info after --rescan 2: $json"
"$cli" info "$work/font.hex" | grep -q "^- формат:      8  x  8$" || fail "the text report"

editor=$root/usr/bin/pixmora
export QT_QPA_PLATFORM=offscreen
[ "$("$editor" --version)" = "pixmora $version" ] || fail "pixmora --version"
# Started offscreen, the editor must still be running when stopped two seconds later.
status=0
timeout 2 "$editor" >"$work/editor.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$work/editor.log"; fail "the editor ended by itself with $status"; }

desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
# The icon is drawn by librsvg, as the desktops draw it.
icons=("$root"/usr/share/icons/hicolor/scalable/apps/*.svg)
rsvg-convert -w 48 -h 48 "${icons[0]}" -o "$work/icon.png"
file "$work/icon.png" | grep -q "PNG image data, 48 x 48" || fail "the icon does not render"
for page in pixmora pixmora-cli; do
    text=$(MANWIDTH=80 man -l "$root/usr/share/man/man1/$page.1.gz" 2>"$work/man.log")
    [ -s "$work/man.log" ] && { cat "$work/man.log"; fail "man -l $page: warnings"; }
    [[ $text == *NAME*"$page "*SYNOPSIS*DESCRIPTION* ]] || fail "man -l $page renders no page"
done

status=0
report=$(lintian --fail-on error "$deb" 2>&1) || status=$?
grep -v "running with root privileges" <<<"$report" || true
[ "$status" -eq 0 ] || fail "lintian reports errors"
echo "package checked"
