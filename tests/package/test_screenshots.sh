#!/usr/bin/env bash
# Runs the picture command into a fresh folder: it must write every picture it names, as a PNG,
# and docs/, the README and the metainfo must show exactly those pictures.
# Usage: test_screenshots.sh SOURCE_DIR LUNETRA_BINARY METAINFO
set -euo pipefail
source=$1 metainfo=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

LUNETRA=$2 bash "$source/scripts/screenshots.sh" "$tmp/docs"
names=$(bash "$source/scripts/screenshots.sh" --list | sort)
[ "$(ls "$tmp/docs" | sort)" = "$names" ] || fail "written: $(ls "$tmp/docs")"
for name in $names; do
    [ "$(identify -format %m "$tmp/docs/$name")" = PNG ] || fail "$name is no PNG"
    grep -q "(docs/$name)" "$source/README.md" || fail "the README does not show $name"
    [ -f "$source/docs/$name" ] || fail "docs/ lacks $name"
done
[ "$(grep -o '[^/]*</image>' "$metainfo" | sed 's|</image>||' | sort)" = "$names" ] ||
    fail "the metainfo's screenshots are not the pictures"
# Each picture shows its window as designed: the client area's width, its height with the menu
# bar above it, and each designed colour on at least the given share of the picture.
while read -r name width low high colours; do
    size=$(identify -format '%w %h' "$tmp/docs/$name")
    ((${size% *} == width && ${size#* } >= low && ${size#* } <= high)) || fail "$name is $size"
    for pair in $colours; do
        colour="rgb(${pair%=*})"
        share=$(convert "$tmp/docs/$name" -fill black +opaque "$colour" -fill white -opaque "$colour" \
            -format '%[fx:mean]' info:)
        awk "BEGIN { exit !($share >= ${pair#*=}) }" || fail "$name shows $colour on $share of it"
    done
done <<'ROWS'
main-window.png 499 394 424 255,224,192=0.4 64,64,64=0.15 128,128,128=0.05 255,128,0=0.002
result-window.png 497 368 398 255,224,192=0.4 64,64,64=0.15 128,128,128=0.05 255,128,0=0.002
exit-window.png 741 315 315 255,255,255=0.3 0,0,128=0.25 255,255,0=0.0005 0,0,192=0.001
main-window-scale-2.png 998 788 848 255,224,192=0.4 64,64,64=0.15 128,128,128=0.05 255,128,0=0.002
ROWS
