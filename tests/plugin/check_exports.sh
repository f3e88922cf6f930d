#!/bin/sh
# The library exports the twenty functions and nothing else.
# Usage: check_exports.sh libStats.so EXPECTED_EXPORTS_FILE
set -eu
actual=$(nm -D --defined-only "$1" | awk '{ print $3 }' | LC_ALL=C sort)
if [ "$actual" != "$(cat "$2")" ]; then
  echo "unexpected exports:"; printf '%s\n' "$actual"; exit 1
fi
