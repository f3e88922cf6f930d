#!/bin/sh
# Takes a picture of the open header dialog on the X display (Xvfb in the test run).
# Usage: dialog_screenshot.sh OUT.png EMULATOR... dialog_shot.exe
set -eu
out="$1"
shift
if [ -z "${DISPLAY:-}" ]; then
  echo "no X display: run the Windows suite under Xvfb (scripts/test-windows.sh)" >&2
  exit 1
fi
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$@" "Z:$folder" &
shot=$!
waited=0
while [ ! -s "$folder/ready.flag" ]; do
  if ! kill -0 "$shot" 2>/dev/null || [ "$waited" -ge 300 ]; then
    echo "the dialog did not open" >&2
    wait "$shot" || true
    exit 1
  fi
  sleep 0.1
  waited=$((waited + 1))
done
import -window root -crop "$(cat "$folder/ready.flag")" +repage "$out"
touch "$folder/shot.done"
wait "$shot"
