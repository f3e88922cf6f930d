#!/bin/sh
# The library exports the twenty functions and nothing else.
set -eu
expected='AddData0
CheckCall0
GetExchgCount0
GetNumberOfSets
GetResult0
GetSetName
IsValidExchg0
RemoveData0
ResetStats0
SetupSet0
Stats::AddData0(char const*, char const*, COleDateTime const*, COleDateTime const*, COleDateTime const*, COleDateTime const*, unsigned int, unsigned int, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, int, int, int, double, double, char const*, char const*, char const*, char const*, char const*)
Stats::CheckCallFunc0(char const*, unsigned int, unsigned int, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, int, int, int, double, double, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char*, char*)
Stats::GetNumberOfSets()
Stats::GetResult0(int*)
Stats::GetSetName(int)
Stats::RemoveData0(char const*, char const*, COleDateTime const*, COleDateTime const*, COleDateTime const*, COleDateTime const*, unsigned int, unsigned int, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, int, int, int, double, double, char const*, char const*, char const*, char const*, char const*)
Stats::ResetStats0(char const*, int, char const*, COleDateTime const*, COleDateTime const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, char const*, int, int, int, double, double, char const*, char const*, char const*)
Stats::SetupSet0()
Stats::StatsGetExchgCount0(char const*, char const*, char const*)
Stats::StatsIsValidExchg0(char const*, char const*, char const*, char const*, int, int, int)'
actual=$(nm -D --defined-only -C "$1" | awk '{ $1 = ""; $2 = ""; sub(/^  /, ""); print }' | LC_ALL=C sort)
if [ "$actual" != "$(printf '%s\n' "$expected" | LC_ALL=C sort)" ]; then
  echo "unexpected exports:"; printf '%s\n' "$actual"; exit 1
fi
