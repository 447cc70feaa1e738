#!/usr/bin/env bash
# Lunetra as a blind user hears it: Orca reads the real program, driven by keys alone, and what
# Orca says is taken from its debug log. Run in a virtual X session with a session bus of its
# own: xvfb-run -a dbus-run-session -- test_screen_reader.sh path/to/lunetra
set -u
lunetra=$1
home=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache
export XDG_RUNTIME_DIR=$home/runtime PATH=$home/bin:$PATH
mkdir -p "$home/orca" "$home/config" "$home/bin" && mkdir -m 700 "$home/runtime"
printf '#!/bin/sh\necho "$1" >> "%s/opened"\n' "$home" | install /dev/stdin "$home/bin/xdg-open"
# Speech goes to the log only (speech-dispatcher waits forever where there is no sound card),
# and each line of the log as soon as it is written.
printf '%s\n' 'import orca.debug, orca.speech' 'orca.speech.init = lambda: None' \
    'orca.debug.debugFile.reconfigure(line_buffering=True)' > "$home/orca/orca-customizations.py"
log=$home/orca/said.log
orca -u "$home/orca" --debug-file="$log" > /dev/null 2>&1 &

failures=0 mark=0
said() { tail -n +"$((mark + 1))" "$log" 2>/dev/null | sed -n "s/.*SPEECH OUTPUT: '\(.*\)' *[[{].*/\1/p"; }
# Waits up to fifteen seconds (Orca is slow on a busy machine) for Orca to say something that
# matches since the last key.
hear() {
    for _ in $(seq 150); do
        said | grep -Pzq -- "(?m)$1" && return
        sleep 0.1
    done
    echo "FAIL: after $keys Orca did not say /$1/ but:"; said | sed 's/^/    /'
    failures=$((failures + 1)) && return 1
}
# One key after the other, each once Orca has answered it (or two seconds have gone by).
press() {
    keys=$* && mark=$(wc -l < "$log")
    for key in "$@"; do
        local before=$(said | wc -l)
        xdotool key --clearmodifiers "$key"
        for _ in $(seq 20); do (($(said | wc -l) > before)) && break || sleep 0.1; done
        sleep 0.2
    done
}
# The next window comes up with the focus, as a window manager would give it.
window=
focus() {
    mark=$(wc -l < "$log") shown=
    for _ in $(seq 50); do
        shown=$(xdotool search --onlyvisible --pid "$pid" --name '^Lunetra v1\.0$')
        [ -n "$shown" ] && [ "$shown" != "$window" ] && break || sleep 0.1
    done
    window=$shown && xdotool windowfocus --sync "$window" && hear '^Lunetra v1.0 frame'
}

keys="Orca's start" && hear 'Screen reader on' || exit 1
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$lunetra" &
pid=$!
keys="the start" && focus && hear '^Name text'
press a n n Tab && hear '^Date combo box\.\n1\.\nDate Of Birth' && press Down && hear '^2$'
press Tab && hear '^Month combo box' && hear '^January\.$'
# The reader's own review reaches the bands and hears the orange labels as links.
press Insert+KP_Home && press KP_Page_Up && press Insert+KP_Begin && hear 'example link\.$'
press alt+i && focus && hear '^Your Ixion sign: Leo\. You will take the lead'
# Back brings the name box back whole, wherever the focus stands.
press alt+b && focus
for _ in 1 2 3 4 5 6; do press shift+Tab && sleep 1 && said | grep -q '^Name text' && break; done
hear '^Name text\.\nANN$'
press Escape && hear 'Qorvane'
press Tab && hear '^Your name text\.$' && press Tab Tab Tab Tab && hear '^Message to your friend text'
press Tab && hear '^Refer A Friend Now push button' && press Tab && hear 'Now check box not checked'
[ -e "$home/opened" ] && echo "FAIL: a page was opened unasked" && failures=$((failures + 1))
echo "screen reader: $failures failed"
((failures == 0))
