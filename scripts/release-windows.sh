#!/bin/sh
# Builds the release Stats.dll into build-win32/release/Plugins/; copy that
# Plugins folder into the host's folder. Expects scripts/install-windows-deps.sh to have run.
set -eu
cd "$(dirname "$0")/.."
cmake --preset windows
cmake --build build-win32 --target release
