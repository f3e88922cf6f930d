#!/bin/sh
# The operator's zip holds Plugins/Stats.dll, README.txt and SHA256SUMS and
# nothing else, the checksums hold, and the guide names the version.
# Usage: check_release.sh zvk-stats-<version>-windows.zip
set -eu
zip=$(realpath "$1")
version=$(basename "$zip" | sed -n 's/^zvk-stats-\(.*\)-windows\.zip$/\1/p')
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
listing=$(cmake -E tar tf "$zip" | LC_ALL=C sort)
if [ "$listing" != "$(printf 'Plugins/Stats.dll\nREADME.txt\nSHA256SUMS')" ]; then
  echo "$zip holds:"; printf '%s\n' "$listing"; exit 1
fi
(cd "$unpacked" && cmake -E tar xf "$zip" && sha256sum --quiet -c SHA256SUMS)
grep -q "^zvk-stats $version: " "$unpacked/README.txt" || { echo "README.txt lacks $version"; exit 1; }
echo "$zip: as expected"
