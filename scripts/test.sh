#!/usr/bin/env bash
# Installs what is missing, then builds and tests every variant of Lunetra, one workflow
# preset after the other; the first that fails ends the run. "make" builds the program once
# more with Unix Makefiles, CMake's default generator, so that a build without Ninja keeps
# working. The Windows variant needs Qt built for Windows, which the first run makes.
LUNETRA_WITH_WINDOWS=1 source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
for preset in default make asan fuzz windows; do
    echo "== cmake --workflow --preset $preset"
    cmake --workflow --preset "$preset"
done
