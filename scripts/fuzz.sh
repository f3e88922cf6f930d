#!/bin/sh
# Builds the libFuzzer targets in build-fuzz/ with clang and runs each for a
# bounded time: scripts/fuzz.sh [SECONDS_PER_FUZZER] (default 60). Installs
# clang and its fuzzer runtime on Debian 12 when missing (as root, else sudo).
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/install-deps.sh
missing=""
for package in clang libclang-rt-14-dev llvm; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing="$missing $package"
done
if [ -n "$missing" ]; then
  as_root=""
  [ "$(id -u)" -eq 0 ] || as_root="sudo"
  $as_root apt-get update -q
  DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -q --no-install-recommends $missing
fi

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DZVK_FUZZ=ON -DZVK_FUZZ_SECONDS="$seconds"
cmake --build build-fuzz -j2 --target fuzz
