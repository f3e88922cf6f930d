#!/bin/sh
# Sets up a fresh Debian 12 machine, builds the plug-in and zvk-score, and
# scores the bundled sample log; the files go to out/sample/.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target zvk-score Stats
build/cli/zvk-score --cabrillo --yes --out out/sample examples/zvk-sample.adi
