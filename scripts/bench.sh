#!/usr/bin/env bash
# Installs what is missing, builds Lunetra for release and runs every benchmark on a virtual
# display with a session bus, as on a desktop.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cmake --preset default >/dev/null
cmake --build --preset default
runs=${1:-21}
xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash -c "
    build/bin/bench_startup -n $runs build/bin/bench_baseline_window build/bin/lunetra \
        build/bin/bench_main_window_alone &&
    build/bin/bench_find"
build/bin/bench_lookup
