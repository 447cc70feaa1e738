#!/bin/sh
# Runs a Windows test program under Wine on an X server of its own: run-on-display.sh WINE
# WINESERVER PROGRAM. Wine's desktop belongs to the first display its server sees, so the
# run starts with no wineserver for the prefix and stops it before the X server goes.
wine=$1 wineserver=$2
shift 2
"$wineserver" -k 2>/dev/null
"$wineserver" -w
exec xvfb-run -a -s "-screen 0 1024x768x24" sh -c \
    'server=$1; shift; "$@"; status=$?; "$server" -k 2>/dev/null; "$server" -w; exit $status' \
    sh "$wineserver" "$wine" "$@"
