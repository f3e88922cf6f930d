#!/bin/sh
# Stats.dll's version resource gives the project's version as file and product
# version, as numbers and as text, read back from the built DLL.
# Usage: check_version.sh WINDRES Stats.dll VERSION
set -eu
numbers="$(printf '%s' "$3" | sed 's/\./, /g'), 0"
expected="FILEVERSION $numbers
PRODUCTVERSION $numbers
VALUE \"FileVersion\", \"$3\"
VALUE \"ProductVersion\", \"$3\""
actual=$("$1" -i "$2" -O rc | sed -e 's/^[[:space:]]*//' |
  grep -e '^FILEVERSION ' -e '^PRODUCTVERSION ' -e '^VALUE "FileVersion"' -e '^VALUE "ProductVersion"')
if [ "$actual" != "$expected" ]; then
  echo "version resource:"; printf '%s\n' "$actual"; echo "expected:"; printf '%s\n' "$expected"
  exit 1
fi
