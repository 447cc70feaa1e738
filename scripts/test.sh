#!/usr/bin/env bash
# Installs what is missing, builds Lunetra and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ctest --test-dir "$build" --output-on-failure --parallel 2
