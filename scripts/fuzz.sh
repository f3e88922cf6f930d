#!/bin/sh
# Builds the libFuzzer targets in build-fuzz/ with clang and runs each for a
# bounded time: scripts/fuzz.sh [SECONDS_PER_FUZZER] (default 60). Installs
# clang and its fuzzer runtime on Debian 12 when missing (as root, else sudo).
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/install-deps.sh
scripts/install-packages.sh clang libclang-rt-14-dev llvm

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DZVK_FUZZ=ON -DZVK_FUZZ_SECONDS="$seconds"
# Every target builds in this configuration too, the plug-in library included.
cmake --build build-fuzz -j2
cmake --build build-fuzz -j2 --target fuzz
