#!/usr/bin/env bash
# Installs what building and testing Lunetra needs. Sourced by run.sh and test.sh.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
packages=(build-essential cmake ninja-build qt6-base-dev libgl-dev libgtest-dev
          libbenchmark-dev xvfb xauth xdotool xdg-utils fonts-dejavu-core dbus
          pkg-config libxcb1-dev libxcb-damage0-dev g++-mingw-w64-x86-64-posix wine64
          clang libclang-rt-dev)
# The icons, the Debian package, its checks, and the pictures of the windows.
packages+=(librsvg2-bin dpkg-dev desktop-file-utils appstream lintian imagemagick)
# The screen reader that reads the program in its test, with the buses it talks over.
packages+=(orca at-spi2-core)

if command -v dpkg-query >/dev/null 2>&1; then
    missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    if ((${#missing[@]})); then
        if [ "$(id -u)" -eq 0 ]; then
            sudo=()
        elif command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "Lunetra needs these packages, and installing them needs root or sudo: ${missing[*]}" >&2
            exit 1
        fi
        echo "Installing ${missing[*]}"
        "${sudo[@]}" apt-get update -qq
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
else
    echo "No apt here: make sure CMake 3.25+, a C++20 compiler, Qt 6 and GoogleTest are installed." >&2
fi
cd "$root"
