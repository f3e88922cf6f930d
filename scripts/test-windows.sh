#!/bin/sh
# Builds Stats.dll and the tests for Windows and runs them under Wine, the dialog
# tests on a virtual X display: as 32-bit code where this machine runs 32-bit
# programs, else as 64-bit code (scripts/windows-route.sh). Either way it builds
# and checks the release of the 32-bit Stats.dll; on the 64-bit route that DLL is
# read but not run. Expects scripts/install-windows-deps.sh to have run.
# --refresh-screenshot also copies the dialog picture to docs/dialog.png.
set -eu
cd "$(dirname "$0")/.."
if [ "$(scripts/windows-route.sh 2>/dev/null)" = 64 ]; then
  preset=windows64 build=build-win64
else
  preset=windows build=build-win32
fi

cmake --preset "$preset"
cmake --build "$build" -j2
# A Wine server started by the headless build would keep the display from the
# dialog tests: wait for it to end first.
WINEPREFIX="$PWD/$build/wineprefix" wineserver -w

cd "$build"
xvfb-run -a -s "-screen 0 1024x768x24" sh -c \
  'ctest --output-on-failure -j2; r=$?; WINEPREFIX="$PWD/wineprefix" wineserver -k; exit $r'
cd ..
tests/windows/check_release.sh "$(scripts/release-windows.sh | tail -n 1)"
if [ "$build" != build-win32 ]; then
  (cd build-win32 && ctest --output-on-failure -L static)
fi
if [ "${1:-}" = "--refresh-screenshot" ]; then
  cp "$build/dialog.png" docs/dialog.png
fi
