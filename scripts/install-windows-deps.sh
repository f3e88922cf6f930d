#!/bin/sh
# Installs what the Windows build and its tests under Wine need on Debian 12:
# the MinGW-w64 i686 cross compiler, 32-bit Wine, Xvfb for the dialog tests
# and ImageMagick for the dialog screenshot. Run as root; safe to run again.
set -eu

packages="g++-mingw-w64-i686 wine wine32:i386 xvfb xauth fonts-wine cmake ninja-build googletest imagemagick"

missing=""
for package in $packages; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done
[ -z "$missing" ] && exit 0

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
