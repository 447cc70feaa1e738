#!/usr/bin/env bash
# Installs what is missing, builds Lunetra and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cmake --preset default >/dev/null
cmake --build --preset default
exec build/bin/lunetra
