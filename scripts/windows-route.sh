#!/bin/sh
# Chooses how to test the Windows build and prints 32 or 64. The host is a
# 32-bit program, so the suite runs as 32-bit Windows code under 32-bit Wine
# where the kernel runs i386 programs natively; elsewhere (no i386 support, or
# only through an emulator, far too slow for Wine) it runs as 64-bit code.
# ZVK_WINDOWS_ROUTE=32 or 64 chooses instead. The reason goes to stderr, one line.
set -eu
case "${ZVK_WINDOWS_ROUTE:-}" in
  32 | 64)
    echo "Windows: ZVK_WINDOWS_ROUTE=$ZVK_WINDOWS_ROUTE: $ZVK_WINDOWS_ROUTE-bit route" >&2
    echo "$ZVK_WINDOWS_ROUTE"
    exit 0 ;;
  "") ;;
  *) echo "ZVK_WINDOWS_ROUTE is 32 or 64, not $ZVK_WINDOWS_ROUTE" >&2; exit 2 ;;
esac

# The smallest i386 program: exit(0) through int 0x80.
probe=$(mktemp)
trap 'rm -f "$probe"' EXIT
printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000\001\000\000\000T\200\004\0104\000\000\000\000\000\000\000\000\000\000\0004\000 \000\001\000\000\000\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010]\000\000\000]\000\000\000\005\000\000\000\000\020\000\000\270\001\000\000\0001\333\315\200' >"$probe"
chmod +x "$probe"
# An i386 binfmt_misc entry (ELF class 1, machine 3) hands such programs to an emulator.
i386_magic='^magic 7f454c4601.\{26\}0300'
if ! "$probe" >/dev/null 2>&1; then
  echo "Windows: this machine cannot run 32-bit programs: 64-bit route" >&2
  echo 64
elif grep -qs "$i386_magic" /proc/sys/fs/binfmt_misc/*; then
  echo "Windows: this machine runs 32-bit programs only through an emulator: 64-bit route" >&2
  echo 64
else
  echo "Windows: this machine runs 32-bit programs: 32-bit route" >&2
  echo 32
fi
