#!/usr/bin/env bash
# scripts/build-qt-windows.sh with fake apt, dpkg and cmake first on PATH: it never touches a
# folder of the user's, takes the source from the archive apt has the host tools from, and
# replaces only a build of its own, whole; the toolchain file finds Qt where the script puts it.
#   test_build_qt_windows.sh SCRIPT TOOLCHAIN CMAKE
set -u
script=$1 toolchain=$2 cmake=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2 && failures=$((failures + 1)); }
mkdir -p "$work/bin" "$work/tmp"
export FAKE_VERSION="6.4.2~bpo12+1" LOG="$work/log" TMPDIR="$work/tmp" PATH="$work/bin:$PATH"
fake() {
    printf '#!/bin/sh\n%s\n' "$2" >"$work/bin/$1"
    chmod +x "$work/bin/$1"
}
fake dpkg-query 'printf %s "$FAKE_VERSION"'
fake dpkg-architecture 'echo x86_64-linux-gnu'
# A third-party archive with a newer version comes first, as it may on a real machine.
fake apt-cache "cat <<POLICY
qt6-base-dev-tools:
  Installed: \$FAKE_VERSION
  Candidate: 6.5.0-1
  Version table:
     6.5.0-1 990
        990 https://qt.vendor.example/debian stable/main amd64 Packages
 *** \$FAKE_VERSION 100
        100 http://deb.example/debian bookworm-backports/main amd64 Packages
        100 /var/lib/dpkg/status
POLICY"
fake apt-get 'for o; do case $o in Dir::Etc::SourceList=*) cp "${o#*=}" "$LOG.sources";; esac; done
case " $* " in *" source "*) touch qt6-base_6.4.2.dsc;; esac'
fake dpkg-source 'mkdir source'
fake cmake 'echo "$*" >>"$LOG.cmake"
for o; do case $o in -DCMAKE_INSTALL_PREFIX=*) mkdir -p build; echo "${o#*=}" >build/prefix;; esac; done
[ "$1" != --install ] || mkdir -p "$DESTDIR$(cat build/prefix)/lib/cmake/Qt6"'
builds() { grep -c -- '^-S source' "$LOG.cmake" 2>/dev/null; }

# A folder of the user's, named by mistake, is left as it was.
mkdir "$work/mine" && echo notes >"$work/mine/notes.txt"
LUNETRA_QT_WINDOWS=$work/mine bash "$script" >/dev/null 2>&1 && fail "a folder of the user's was taken"
[ "$(cat "$work/mine/notes.txt")" = notes ] && [ "$(ls -A "$work/mine")" = notes.txt ] ||
    fail "the user's folder changed: $(ls -A "$work/mine")"
[ ! -e "$LOG.cmake" ] || fail "a build began for a folder of the user's"

export LUNETRA_QT_WINDOWS=$work/cache/qt
[ "$(bash "$script" 2>/dev/null | tail -n 1)" = "$LUNETRA_QT_WINDOWS" ] || fail "the first build"
[ -d "$work/cache/qt/lib/cmake/Qt6" ] && [ -s "$work/cache/qt/.lunetra-complete" ] ||
    fail "the build is not in place: $(find "$work/cache")"
[ "$(cat "$LOG.sources")" = "deb-src http://deb.example/debian bookworm-backports main" ] ||
    fail "the source came from: $(cat "$LOG.sources")"
bash "$script" >/dev/null 2>&1 && [ "$(builds)" = 1 ] || fail "a finished build was made again"

# A build made otherwise is replaced whole, and what lies beside it stays.
echo "6.4.2 other" >"$work/cache/qt/.lunetra-complete"
touch "$work/cache/qt/from-the-earlier-build" "$work/cache/notes"
bash "$script" >/dev/null 2>&1 && [ "$(builds)" = 2 ] || fail "an outdated build was not made again"
[ ! -e "$work/cache/qt/from-the-earlier-build" ] && [ "$(ls -A "$work/cache")" = "notes
qt" ] || fail "after the new build: $(find "$work/cache")"
[ -z "$(ls -A "$work/tmp")" ] || fail "work left behind: $(ls -A "$work/tmp")"

# The script and the toolchain file name the same folder, whatever follows Qt's version.
unset LUNETRA_QT_WINDOWS
export XDG_CACHE_HOME=$work/xdg
folder=$(bash "$script" --folder)
printf 'include(%s)\nmessage("${LUNETRA_QT_WINDOWS}")\n' "$toolchain" >"$work/find.cmake"
[ "$folder" = "$work/xdg/lunetra/qt-6.4.2-mingw-w64" ] &&
    [ "$("$cmake" -P "$work/find.cmake" 2>&1)" = "$folder" ] ||
    fail "script and toolchain differ: $folder, $("$cmake" -P "$work/find.cmake" 2>&1)"
[ $failures = 0 ] && echo "build-qt-windows.sh passed."
