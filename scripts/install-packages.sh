#!/bin/sh
# Installs the given Debian packages that are missing (as root; with sudo when
# started by another user). Packages of another architecture (name:i386) add
# that architecture first.
set -eu
missing=""
for package in "$@"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing="$missing $package"
done
[ -z "$missing" ] && exit 0
as_root=""
[ "$(id -u)" -eq 0 ] || as_root="sudo"
for package in $missing; do
  case "$package" in
    *:*) architecture=${package#*:}
         dpkg --print-foreign-architectures | grep -qx "$architecture" ||
           $as_root dpkg --add-architecture "$architecture" ;;
  esac
done
$as_root apt-get update -q
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -q --no-install-recommends $missing
