#!/bin/sh
# Builds the release for the operator: build-win32/zvk-stats-<version>-windows.zip
# with Plugins/Stats.dll, README.txt (the operator's guide) and SHA256SUMS.
# Unpacked into the host's folder, Plugins lands beside its program file.
# Expects scripts/install-windows-deps.sh to have run.
set -eu
cd "$(dirname "$0")/.."
root=$PWD
cmake --preset windows
cmake --build build-win32 --target release

release=build-win32/release
version=$(sed -n 's/^#define ZVK_VERSION_TEXT "\(.*\)"$/\1/p' build-win32/generated/zvk_version.h)
# Notepad wants CR LF.
sed -e "s/@VERSION@/$version/" -e 's/$/\r/' docs/README-windows.txt >"$release/README.txt"
(cd "$release" && sha256sum Plugins/Stats.dll README.txt >SHA256SUMS)
zip="build-win32/zvk-stats-$version-windows.zip"
rm -f "$zip"
(cd "$release" && cmake -E tar cf "$root/$zip" --format=zip Plugins/Stats.dll README.txt SHA256SUMS)
echo "$zip"
