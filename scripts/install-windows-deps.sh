#!/bin/sh
# Installs what the Windows build and its tests under Wine need on Debian 12:
# the MinGW-w64 i686 cross compiler (the release's Stats.dll), Wine for the
# route of scripts/windows-route.sh (32-bit Wine, or 64-bit Wine with the
# x86-64 cross compiler, and then no i386 packages), Xvfb for the dialog tests,
# ImageMagick for the dialog picture, and llvm's undname for the Microsoft C++
# names.
set -eu
scripts=$(dirname "$0")
if [ "$("$scripts/windows-route.sh" 2>/dev/null)" = 64 ]; then
  set -- g++-mingw-w64-x86-64 wine wine64
else
  set -- wine wine32:i386
fi
"$scripts/install-packages.sh" g++-mingw-w64-i686 "$@" xvfb xauth fonts-wine \
  cmake ninja-build googletest imagemagick llvm
