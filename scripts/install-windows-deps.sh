#!/bin/sh
# Installs what the Windows build and its tests under Wine need on Debian 12:
# the MinGW-w64 i686 cross compiler, 32-bit Wine, Xvfb for the dialog tests
# ImageMagick for the dialog picture, and llvm's undname for the Microsoft C++
# names.
set -eu
"$(dirname "$0")/install-packages.sh" g++-mingw-w64-i686 wine wine32:i386 xvfb xauth fonts-wine \
  cmake ninja-build googletest imagemagick llvm
