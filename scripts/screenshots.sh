#!/usr/bin/env bash
# Renders the pictures of Lunetra's windows from the built program into docs/ (or the folder
# given), on a virtual screen of its own so that every run draws the same pictures:
#     bash scripts/screenshots.sh [folder]
# "--list" prints the names of the pictures it writes. LUNETRA names the program to use.
set -euo pipefail

pictures=(main-window.png result-window.png about-window.png exit-window.png
          only-letters-message.png main-window-scale-2.png)
if [ "${1:-}" = "--list" ]; then
    printf '%s\n' "${pictures[@]}"
    exit 0
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$(mkdir -p "${1:-$root/docs}" && cd "${1:-$root/docs}" && pwd)
lunetra=$(realpath "${LUNETRA:-$root/build/bin/lunetra}")
if [ -z "${LUNETRA_SCREEN:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1600x1200x24 -noreset" \
        env LUNETRA_SCREEN=1 LUNETRA="$lunetra" bash "$0" "$out"
fi

# Settings, lock and a browser that opens nothing, all of this run's own: the first start
# asks no update question, and no link reaches a real browser.
home=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$home"' EXIT
mkdir -p "$home/config" "$home/bin" && mkdir -m 700 "$home/runtime"
printf '#!/bin/sh\nexit 0\n' >"$home/bin/xdg-open" && chmod +x "$home/bin/xdg-open"
export XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime PATH=$home/bin:$PATH
unset QT_QPA_PLATFORM

# The visible windows of the program with exactly this title, newest last.
windows() { xdotool search --all --onlyvisible --pid "$pid" --name "^$1\$" 2>/dev/null || true; }
# Waits until a window with this title that is none of the others given is on the screen.
await() {
    local title=$1 found
    shift
    for _ in $(seq 100); do
        found=$(windows "$title" | grep -vxF -f <(printf '%s\n' "$@" x) | tail -n 1 || true)
        if [ -n "$found" ]; then
            sleep 0.7 # let it paint
            echo "$found"
            return
        fi
        sleep 0.1
    done
    echo "no new window \"$title\" appeared" >&2
    exit 1
}
keys() {
    xdotool windowfocus "$1" && sleep 0.3
    shift
    xdotool key --delay 60 "$@"
    sleep 0.5
}
shoot() { import -window "$1" "$out/$2"; }
start() {
    "$lunetra" &
    pid=$!
}
stop() {
    kill "$pid" && wait "$pid" 2>/dev/null || true
    pid=
}

title="Lunetra v1.0"
start
main=$(await "$title")
keys "$main" shift+a n n a space shift+l e e Tab 2 1 Tab O c t Tab 1 9 0 4 Tab
shoot "$main" main-window.png
keys "$main" alt+i
result=$(await "$title" "$main")
shoot "$result" result-window.png
keys "$result" alt+b
keys "$main" alt+h a
about=$(await "$title" "$main")
shoot "$about" about-window.png
keys "$about" Escape
keys "$main" shift+Tab shift+Tab shift+Tab shift+Tab 7
message=$(await Lunetra)
shoot "$message" only-letters-message.png
keys "$message" Return
keys "$main" Escape
exitWindow=$(await "$title" "$main")
shoot "$exitWindow" exit-window.png
stop

export QT_SCALE_FACTOR=2
start
main=$(await "$title")
keys "$main" shift+a n n a space shift+l e e
shoot "$main" main-window-scale-2.png
stop
echo "Wrote ${pictures[*]} to $out"
