#!/usr/bin/env bash
# Runs a command under the window manager of a real desktop, on the X server in DISPLAY:
#     on-desktop.sh [--session DESKTOP] "MANAGER [ARGUMENT...]" COMMAND [ARGUMENT...]
# With --session, MANAGER is the Wayland compositor of that desktop's session, nested on the X
# server with a runtime folder of its own. The program given it last reports the session's
# displays, and COMMAND then talks to its Xwayland as that session's programs do. What the
# manager prints goes to the file named in LUNETRA_DESKTOP_LOG.
set -u
desktop=
[ "$1" = --session ] && desktop=$2 && shift 2
read -r -a manager <<<"$1"
shift
work=$(mktemp -d)
trap 'kill %1 2>/dev/null; wait; rm -rf "$work"' EXIT
export LUNETRA_DESKTOP_LOG=$work/manager.log
within() { for _ in $(seq "$1"); do "${@:2}" && return 0 || sleep 0.1; done; return 1; }
if [ -n "$desktop" ]; then
    chmod 700 "$work"
    printf '#!/bin/sh\nprintf "%%s\\n" "$DISPLAY" "$XAUTHORITY" "$WAYLAND_DISPLAY" >"$0.new"\n%s\n' \
        'mv "$0.new" "$0.told" && exec sleep 100000' >"$work/report" && chmod +x "$work/report"
    XDG_RUNTIME_DIR=$work "${manager[@]}" "$work/report" >"$LUNETRA_DESKTOP_LOG" 2>&1 &
    within 200 test -s "$work/report.told" || { echo "no session: $(cat "$LUNETRA_DESKTOP_LOG")"; exit 1; }
    { read -r DISPLAY && read -r XAUTHORITY && read -r wayland; } <"$work/report.told"
    export DISPLAY XAUTHORITY WAYLAND_DISPLAY=$work/$wayland XDG_SESSION_TYPE=wayland
    export XDG_CURRENT_DESKTOP=$desktop
else
    "${manager[@]}" >"$LUNETRA_DESKTOP_LOG" 2>&1 &
fi
within 200 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    { echo "no window manager: $(cat "$LUNETRA_DESKTOP_LOG")"; exit 1; }
# A window manager that keeps a work area sets it once it has looked at the screen.
within 20 eval 'xprop -root _NET_WORKAREA | grep -q ='
"$@"
