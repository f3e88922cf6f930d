#!/bin/sh
# Installs what the native build and its tests need on Debian 12 (run as root;
# uses sudo when started by another user). Does nothing when all is present.
set -eu
packages="cmake ninja-build g++ make googletest libgtest-dev libbenchmark-dev clang-format binutils"
missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing="$missing $package"
done
[ -z "$missing" ] && exit 0
as_root=""
[ "$(id -u)" -eq 0 ] || as_root="sudo"
$as_root apt-get update -q
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -q --no-install-recommends $missing
