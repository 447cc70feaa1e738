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
width() { identify -format %w "$tmp/docs/$1"; }
# At scale factor 2 the main window is twice as wide.
(($(width main-window-scale-2.png) == 2 * $(width main-window.png))) || fail "scale 2 width"
