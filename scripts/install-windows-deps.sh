#!/bin/sh
# Installs what the Windows build and its tests under Wine need on Debian 12:
# the MinGW-w64 i686 cross compiler, 32-bit Wine, Xvfb for the dialog tests
# and ImageMagick for the dialog picture. Run as root (uses sudo when started
# by another user); does nothing when all is present.
set -eu
packages="g++-mingw-w64-i686 wine wine32:i386 xvfb xauth fonts-wine cmake ninja-build googletest imagemagick"
missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing="$missing $package"
done
[ -z "$missing" ] && exit 0
as_root=""
[ "$(id -u)" -eq 0 ] || as_root="sudo"
# wine32 is an i386 package.
dpkg --print-foreign-architectures | grep -qx i386 || $as_root dpkg --add-architecture i386
$as_root apt-get update -q
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -q --no-install-recommends $missing
