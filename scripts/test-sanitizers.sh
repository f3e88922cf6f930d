#!/bin/sh
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-asan/ and runs it; any report fails the run. Uses g++ (its sanitizer
# runtime is a shared library, so the plug-in library links on its own too).
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ \
  -DZVK_SANITIZE=ON
cmake --build build-asan -j2
(cd build-asan && ctest --output-on-failure -j2)
