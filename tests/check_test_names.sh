#!/bin/sh
# Every parameterised test has a readable name and parameter: no object bytes,
# no addresses, no bare index, in the names that ctest shows.
# Usage: check_test_names.sh TEST_PROGRAM...
set -eu
status=0
for program in "$@"; do
  unreadable=$("$program" --gtest_list_tests |
    grep -e '-byte object' -e 'GetParam() = 0x' -e '^  [^ ]*/[0-9][0-9]*\( \|$\)' || true)
  if [ -n "$unreadable" ]; then
    echo "$program:"; printf '%s\n' "$unreadable"; status=1
  fi
done
exit $status
