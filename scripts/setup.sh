#!/usr/bin/env bash
# Installs what building and testing Lunetra needs. Sourced by run.sh and test.sh.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
packages=(build-essential cmake ninja-build qt6-base-dev libgl-dev libgtest-dev
          libbenchmark-dev xvfb xauth xdotool xdg-utils fonts-dejavu-core dbus
          pkg-config libxcb1-dev libxcb-damage0-dev libwayland-dev g++-mingw-w64-x86-64-posix wine64
          clang libclang-rt-dev)
# The icons, the Debian package, its checks, and the pictures of the windows.
packages+=(librsvg2-bin dpkg-dev desktop-file-utils appstream lintian imagemagick)
# The window managers of real desktops and the Wayland compositors of KDE and GNOME sessions
# (with Xwayland), for the tests that run the program under them, with the X tools that read
# what they did; none needs its recommends.
lean=(openbox xfwm4 mutter kwin-x11 kwin-wayland kwin-style-breeze xwayland weston qt6-wayland x11-utils)
# The screen reader that reads the program in its test, with the buses it talks over.
packages+=(orca at-spi2-core)
# The Windows setup program, and the reading of Wine's windows in its test.
packages+=(nsis)
lean+=(tesseract-ocr tesseract-ocr-eng)

if command -v dpkg-query >/dev/null 2>&1; then
    installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
    missing=() missing_lean=()
    for package in "${packages[@]}"; do installed "$package" || missing+=("$package"); done
    for package in "${lean[@]}"; do installed "$package" || missing_lean+=("$package"); done
    if ((${#missing[@]} + ${#missing_lean[@]})); then
        if [ "$(id -u)" -eq 0 ]; then
            sudo=()
        elif command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "Lunetra needs these packages, and installing them needs root or sudo: ${missing[*]}" >&2
            exit 1
        fi
        echo "Installing ${missing[*]} ${missing_lean[*]}"
        "${sudo[@]}" apt-get update -qq
        install=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq)
        if ((${#missing[@]})); then "${install[@]}" "${missing[@]}" >/dev/null; fi
        if ((${#missing_lean[@]})); then
            "${install[@]}" --no-install-recommends "${missing_lean[@]}" >/dev/null
        fi
    fi
else
    echo "No apt here: make sure CMake 3.25+, a C++20 compiler, Qt 6 and GoogleTest are installed." >&2
fi
cd "$root"
# The Windows build's Qt, made once per machine (about 25 minutes) for those who ask for it.
if [ "${LUNETRA_WITH_WINDOWS:-}" = 1 ]; then
    bash scripts/build-qt-windows.sh >/dev/null
fi
