#!/bin/sh
# The Microsoft C++ names of Stats.dll declare the same functions with the same
# arguments as the gcc names: both lists demangled and compared.
# Usage: check_msvc_names.sh UNDNAME CXXFILT GCC_EXPORTS_FILE MSVC_EXPORTS_FILE
set -eu
gcc=$(grep '^_Z' "$3" | "$2" | LC_ALL=C sort)
# "int __cdecl F(char const *, class C const *)" -> "F(char const*, C const*)"
msvc=$("$1" <"$4" | grep -v -e '^?' -e '^$' |
  sed -e 's/^.* __cdecl //' -e 's/class //g' -e 's/ \*/*/g' -e 's/(void)$/()/' | LC_ALL=C sort)
if [ "$gcc" != "$msvc" ]; then
  echo "gcc names:"; printf '%s\n' "$gcc"; echo "Microsoft names:"; printf '%s\n' "$msvc"; exit 1
fi
