#!/bin/sh
# Installs what the native build and its tests need on Debian 12.
set -eu
"$(dirname "$0")/install-packages.sh" cmake ninja-build g++ make googletest libgtest-dev \
  libbenchmark-dev clang-format binutils nlohmann-json3-dev
