#!/usr/bin/env bash
# Builds the Debian package from the build tree, checks what it holds, validates its desktop
# entry, metainfo and the package itself, and starts the unpacked program on a virtual screen.
# Usage: test_package.sh BUILD_DIR APP_ID SOURCE_DIR
set -euo pipefail
build=$1 id=$2 source=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" ||
    { cat "$tmp/cpack.log"; fail "cpack"; }
deb=$(echo "$tmp"/out/lunetra_*.deb)
# The libraries the program links to, found by shlibdeps, and Qt's display plugins.
depends=$(dpkg-deb -f "$deb" Depends | sed 's/ ([^)]*)//g; s/, */\n/g')
for needed in libqt6widgets6 libstdc++6 qt6-qpa-plugins; do
    grep -qx "$needed" <<<"$depends" || fail "no $needed in: $depends"
done

icons=/usr/share/icons/hicolor
expected=$({
    printf '%s\n' /usr/bin/lunetra "/usr/share/applications/$id.desktop" \
        /usr/share/doc/lunetra/changelog.gz /usr/share/doc/lunetra/copyright \
        "$icons/scalable/apps/$id.svg" /usr/share/man/man1/lunetra.1.gz \
        "/usr/share/metainfo/$id.metainfo.xml"
    for size in 16 24 32 48 64 128 256; do echo "$icons/${size}x$size/apps/$id.png"; done
} | sort)
listed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {sub(/^\./, "", $6); print $6}' | sort)
[ "$listed" = "$expected" ] || fail "package files differ:$(diff <(echo "$expected") <(echo "$listed"))"

dpkg-deb -x "$deb" "$tmp/root"
desktop-file-validate "$tmp/root/usr/share/applications/$id.desktop" || fail "desktop entry"
metainfo=$tmp/root/usr/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "metainfo"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
lintian --pedantic -I --tag-display-limit 0 "$deb" 2>&1 | tee "$tmp/lintian.log" || true
# Besides errors: missed hardening, and an icon whose size is not its folder's.
! grep -Eq '^E:|hardening-|icon-size-and-directory-name-mismatch' "$tmp/lintian.log" ||
    fail "lintian reports errors, missed hardening or a wrong icon size"
# Hardened as Debian builds: the stack protector and fortified library calls are linked in.
symbols=$(readelf --dyn-syms -W "$tmp/root/usr/bin/lunetra")
grep -q ' __stack_chk_fail' <<<"$symbols" && grep -Eq ' __[a-z0-9_]+_chk(@| )' <<<"$symbols" ||
    fail "no stack protector or fortified calls in the program"

# The unpacked program starts and shows its main window, whose class is the one the desktop
# entry names, so that desktops match the two. It gets a browser that only writes down what it
# is asked to open, and settings of its own.
class=$(sed -n 's/^StartupWMClass=//p' "$tmp/root/usr/share/applications/$id.desktop")
mkdir -p "$tmp/home/config" "$tmp/home/bin" && mkdir -m 700 "$tmp/home/runtime"
printf '#!/bin/sh\necho "$1" >>"$(dirname "$0")/opened"\n' >"$tmp/home/bin/xdg-open"
chmod +x "$tmp/home/bin/xdg-open"
XDG_CONFIG_HOME=$tmp/home/config XDG_RUNTIME_DIR=$tmp/home/runtime PATH=$tmp/home/bin:$PATH \
    xvfb-run -a env -u QT_QPA_PLATFORM bash -c '"$1" & pid=$!
        timeout 20 xdotool search --sync --onlyvisible --pid $pid --class "^$2\$" \
            getwindowname %@ | grep -qx "Lunetra v1.0"; found=$?
        kill $pid; exit $found' - "$tmp/root/usr/bin/lunetra" "$class" ||
    fail "the unpacked lunetra showed no main window"
[ ! -e "$tmp/home/bin/opened" ] || fail "a page was opened at start"
echo "package $(basename "$deb") passes"
