#!/usr/bin/env bash
# Installs what is missing, then builds and tests every variant of Lunetra, one workflow
# preset after the other; the first that fails ends the run.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
for preset in default asan fuzz windows; do
    echo "== cmake --workflow --preset $preset"
    cmake --workflow --preset "$preset"
done
