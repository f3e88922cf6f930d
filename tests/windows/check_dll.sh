#!/bin/sh
# Stats.dll exports the ten functions under their plain, gcc and Microsoft C++
# names and nothing else, and needs no DLL beyond those of Windows itself.
# Usage: check_dll.sh OBJDUMP Stats.dll EXPECTED_EXPORTS_FILE...
set -eu
objdump="$1"
dll="$2"
shift 2
expected_exports=$(cat "$@" | LC_ALL=C sort)
system_dlls='KERNEL32.dll
OLEAUT32.dll
USER32.dll
VERSION.dll
msvcrt.dll'

dump=$("$objdump" -p "$dll")
exports=$(printf '%s\n' "$dump" |
  sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^[[:space:]]*\[ *[0-9]*\] //p' | LC_ALL=C sort)
imports=$(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p' | LC_ALL=C sort)

status=0
if [ "$exports" != "$expected_exports" ]; then
  echo "exports differ:"; printf '%s\n' "$exports"; status=1
fi
unexpected=$(printf '%s\n' "$imports" | grep -vxF "$system_dlls" || true)
if [ -n "$unexpected" ]; then
  echo "imports DLLs that Windows does not have:"; printf '%s\n' "$unexpected"; status=1
fi
exit $status
