#!/bin/sh
# Stats.dll exports the ten functions under their plain and decorated names and
# nothing else, and needs no DLL beyond those of Windows itself.
# Usage: check_dll.sh OBJDUMP Stats.dll
set -eu
objdump="$1"
dll="$2"
expected_exports='AddData0
CheckCall0
GetExchgCount0
GetNumberOfSets
GetResult0
GetSetName
IsValidExchg0
RemoveData0
ResetStats0
SetupSet0
_ZN5Stats10GetResult0EPi
_ZN5Stats10GetSetNameEi
_ZN5Stats11RemoveData0EPKcS1_PK12COleDateTimeS4_S4_S4_jjS1_S1_S1_S1_S1_S1_S1_S1_S1_S1_S1_S1_S1_S1_S1_iiiddS1_S1_S1_S1_S1_
_ZN5Stats11ResetStats0EPKciS1_PK12COleDateTimeS4_S1_S1_S1_S1_S1_S1_S1_S1_S1_S1_iiiddS1_S1_S1_
_ZN5Stats14CheckCallFunc0EPKcjjS1_S1_S1_S1_S1_S1_S1_S1_S1_S1_S1_iiiddS1_S1_S1_S1_S1_S1_S1_PcS2_
_ZN5Stats15GetNumberOfSetsEv
_ZN5Stats18StatsIsValidExchg0EPKcS1_S1_S1_iii
_ZN5Stats19StatsGetExchgCount0EPKcS1_S1_
_ZN5Stats8AddData0EPKcS1_PK12COleDateTimeS4_S4_S4_jjS1_S1_S1_S1_S1_S1_S1_S1_S1_S1_S1_S1_S1_S1_S1_iiiddS1_S1_S1_S1_S1_
_ZN5Stats9SetupSet0Ev'
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
