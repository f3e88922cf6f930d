#!/bin/sh
# Builds Stats.dll and the tests for 32-bit Windows and runs them under Wine,
# the dialog tests on a virtual X display. Expects scripts/install-windows-deps.sh
# to have run. --refresh-screenshot also copies the dialog picture to docs/dialog.png.
set -eu
cd "$(dirname "$0")/.."
build=build-win32

cmake --preset windows
cmake --build "$build" -j2
# A Wine server started by the headless build would keep the display from the
# dialog tests: wait for it to end first.
WINEPREFIX="$PWD/$build/wineprefix" wineserver -w

cd "$build"
xvfb-run -a -s "-screen 0 1024x768x24" sh -c \
  'ctest --output-on-failure -j2; r=$?; WINEPREFIX="$PWD/wineprefix" wineserver -k; exit $r'
cd ..
tests/windows/check_release.sh "$(scripts/release-windows.sh | tail -n 1)"
if [ "${1:-}" = "--refresh-screenshot" ]; then
  cp "$build/dialog.png" docs/dialog.png
fi
