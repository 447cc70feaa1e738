#!/usr/bin/env bash
# Builds Qt for 64-bit Windows once per machine: Debian's own qtbase source, of exactly the
# version of the installed host tools (moc, rcc, uic), cross-built with MinGW-w64 into a cache
# folder outside the work tree. Prints that folder on its last line. A later run costs nothing.
#
#   build-qt-windows.sh            builds it, unless it is there already
#   build-qt-windows.sh --folder   prints the folder alone (cmake/toolchain-mingw-w64.cmake asks)
#
#   LUNETRA_QT_WINDOWS   where the build goes (default: $XDG_CACHE_HOME/lunetra/qt-VERSION-mingw-w64)
#
# The folder is only ever replaced whole, and only when it holds a build of this script's: the
# new build is installed beside it and swapped in. Any other folder in its place is refused.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
debian_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
# Qt's own version: no epoch, nothing from the first "+", "~" or "-" on (6.4.2+dfsg-10,
# 6.4.2~bpo12+1 and 6.4.2-1 are all Qt 6.4.2).
version=${debian_version#*:}
version=${version%%[+~-]*}
prefix=${LUNETRA_QT_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/lunetra/qt-$version-mingw-w64}
[[ $prefix == /* ]] || prefix=$PWD/$prefix
if [ "${1:-}" = --folder ]; then
    echo "$prefix"
    exit 0
fi
stamp="$prefix/.lunetra-complete"

# Only what Lunetra loads: Core, Gui, Widgets, Test and the windows platform plug-in, with
# Fusion, PNG and DirectWrite built in. Debian's source has no wintab folder, so tablet events
# are off; OpenGL is off in all its forms; Direct2D stays, as the font database needs it.
features=(
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_testlib=ON
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_direct2d1_1=OFF -DFEATURE_tabletevent=OFF -DFEATURE_zstd=OFF
    -DFEATURE_freetype=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
    -DFEATURE_style_windowsvista=OFF -DFEATURE_accessibility=ON)
# A build made with other features is made again.
built_as="$debian_version $(printf '%s\n' "${features[@]}" | sha256sum | cut -c1-16)"

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$built_as" ]; then
    echo "$prefix"
    exit 0
fi
# Whatever else stands there is the user's: only a folder with this script's stamp is replaced.
if [ -e "$prefix" ] || [ -L "$prefix" ]; then
    if [ -L "$prefix" ] || [ ! -d "$prefix" ] || [ ! -f "$stamp" ]; then
        echo "$prefix is there and is no Qt built by this script: it stays as it is. Move it" \
            "away, or set LUNETRA_QT_WINDOWS to a folder that does not exist yet." >&2
        exit 1
    fi
fi

parent=$(dirname "$prefix")
mkdir -p "$parent"
# Both folders are this run's own: the work in the temporary folder, the new build beside the
# target, so that it moves into place in one step.
work=$(mktemp -d "${TMPDIR:-/tmp}/lunetra-qt-windows.XXXXXX")
staging=$(mktemp -d "$parent/.$(basename "$prefix").new.XXXXXX")
ticker=
cleanup() {
    [ -n "$ticker" ] && kill "$ticker" 2>/dev/null
    rm -rf "$work" "$staging"
}
trap cleanup EXIT

echo "Building Qt $version for Windows once, into $prefix (about 25 minutes on 2 cores)." >&2
started=$(date +%s)
# On the error output alone: what captures the folder's name need not wait for its last nap.
(
    while sleep 60; do
        echo "  Qt for Windows: $(($(date +%s) - started)) s, $(find "$work" -name '*.obj' 2>/dev/null | wc -l) objects built"
    done
) >&2 &
ticker=$!

# The source comes from the archives apt itself has the installed host tools from, as its
# policy for them says, through a sources list of this run's own: the machine's lists stay as
# they are.
cd "$work"
LC_ALL=C apt-cache policy qt6-base-dev-tools | awk -v version="$debian_version" '
    $1 == "***" { here = $2 == version; next }
    NF == 2 && $2 ~ /^-?[0-9]+$/ { here = $1 == version; next }
    here && $2 ~ /^[a-z+]+:\/\// {
        suite = $3; sub(/\/[^\/]*$/, "", suite)
        component = $3; sub(/.*\//, "", component)
        print "deb-src " $2 " " suite " " component
    }' | sort -u >sources.list
if [ ! -s sources.list ]; then
    echo "apt has qt6-base-dev-tools $debian_version from no archive, so its source cannot be" \
        "fetched: install it from one." >&2
    exit 1
fi
mkdir -p lists/partial cache/archives/partial
apt_options=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache" -o APT::Sandbox::User="$(id -un)")
{
    apt-get "${apt_options[@]}" -qq update &&
        apt-get "${apt_options[@]}" -qq source --download-only "qt6-base=$debian_version" &&
        dpkg-source -x qt6-base_*.dsc source
} >"$work/fetch.log" 2>&1 || {
    tail -n 20 "$work/fetch.log" >&2
    exit 1
}

cmake -S source -B build -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF "${features[@]}" \
    >"$work/configure.log" 2>&1 || {
    tail -n 40 "$work/configure.log" >&2
    exit 1
}
cmake --build build --parallel "$(nproc)" >"$work/build.log" 2>&1 || {
    grep -m 20 -B 5 -E 'error|Error' "$work/build.log" >&2
    exit 1
}
# Installed as if into the target, but under the new folder beside it; then the earlier build
# goes into that folder, to be removed with it, and the new one takes its place.
DESTDIR="$staging/install" cmake --install build --strip >/dev/null
built="$staging/install$prefix"
echo "$built_as" >"$built/.lunetra-complete"
if [ -d "$prefix" ]; then
    mv -T "$prefix" "$staging/previous"
fi
mv -T "$built" "$prefix" || {
    [ -d "$staging/previous" ] && mv -T "$staging/previous" "$prefix"
    exit 1
}
echo "Qt $version for Windows is in $prefix ($(($(date +%s) - started)) s)." >&2
echo "$prefix"
