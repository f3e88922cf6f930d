#!/bin/sh
# Runs a Windows program under Wine in the build's own prefix:
# wine-run.sh ARCH PREFIX PROGRAM ARGS... (ARCH win32 or win64, from the toolchain).
# Stderr goes through a file because wineserver inherits the descriptors it is
# given and would keep CTest waiting for end of file; stdin is closed for the same reason.
WINEARCH="$1"
WINEPREFIX="$2"
shift 2
export WINEARCH WINEPREFIX WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
err=$(mktemp)
wine "$@" 2>"$err" </dev/null
rc=$?
cat "$err" >&2
rm -f "$err"
exit $rc
