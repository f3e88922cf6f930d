#!/bin/sh
# Every parameterised test has a readable name and parameter: no object bytes,
# no addresses, no bare index, in the names that ctest shows. A program that
# cannot list its tests fails the check.
# Usage: check_test_names.sh TEST_PROGRAM...
set -eu
status=0
for program in "$@"; do
  if ! names=$("$program" --gtest_list_tests); then
    echo "$program: cannot list its tests"; status=1; continue
  fi
  unreadable=$(printf '%s\n' "$names" |
    grep -e '-byte object' -e 'GetParam() = 0x' -e '^  [^ ]*/[0-9][0-9]*\( \|$\)' || true)
  if [ -n "$unreadable" ]; then
    echo "$program:"; printf '%s\n' "$unreadable"; status=1
  fi
done
exit $status
