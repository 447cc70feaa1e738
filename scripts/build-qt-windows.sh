#!/usr/bin/env bash
# Builds Qt for 64-bit Windows once per machine: Debian's own qtbase source, of exactly the
# version of the installed host tools (moc, rcc, uic), cross-built with MinGW-w64 into a cache
# folder outside the work tree. Prints that folder on its last line. A later run costs nothing.
#
#   LUNETRA_QT_WINDOWS   where the build goes (default: $XDG_CACHE_HOME/lunetra/qt-VERSION-mingw-w64)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
debian_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
version=${debian_version%%+*}
prefix=${LUNETRA_QT_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/lunetra/qt-$version-mingw-w64}
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

work=$(mktemp -d "${TMPDIR:-/tmp}/lunetra-qt-windows.XXXXXX")
ticker=
cleanup() {
    [ -n "$ticker" ] && kill "$ticker" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

echo "Building Qt $version for Windows once, into $prefix (about 25 minutes on 2 cores)." >&2
started=$(date +%s)
(
    while sleep 60; do
        echo "  Qt for Windows: $(($(date +%s) - started)) s, $(find "$work" -name '*.obj' 2>/dev/null | wc -l) objects built" >&2
    done
) &
ticker=$!

# The source comes through apt with a sources list of its own, so the machine's lists stay as
# they are; the entries follow the machine's own mirror.
cd "$work"
mirror=$(grep -h -m1 -E '^(URIs:|deb )' /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null |
    grep -o -m1 -E 'https?://[^ ]+' | head -n1 || true)
mirror=${mirror:-http://deb.debian.org/debian}
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
components=$(. /etc/os-release && [ "$ID" = ubuntu ] && echo "main universe" || echo main)
printf 'deb-src %s %s %s\ndeb-src %s %s-updates %s\n' \
    "$mirror" "$codename" "$components" "$mirror" "$codename" "$components" >sources.list
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
rm -rf "$prefix"
cmake --install build --strip >/dev/null
echo "$built_as" >"$stamp"
echo "Qt $version for Windows is in $prefix ($(($(date +%s) - started)) s)." >&2
echo "$prefix"
