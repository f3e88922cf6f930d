#!/bin/sh
# Runs a Windows program under Wine in the build's own prefix: wine-run.sh PREFIX PROGRAM ARGS...
# Stderr goes through a file because wineserver inherits the descriptors it is
# given and would keep CTest waiting for end of file; stdin is closed for the same reason.
WINEPREFIX="$1"
shift
export WINEPREFIX WINEARCH=win32 WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
err=$(mktemp)
wine "$@" 2>"$err" </dev/null
rc=$?
cat "$err" >&2
rm -f "$err"
exit $rc
