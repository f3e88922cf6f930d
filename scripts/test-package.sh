#!/bin/sh
# Builds the Debian package from the native build in build/, checks what it
# holds, and runs zvk-score as installed (from the package's files and from
# cmake --install into a staging prefix) on the sample log.
set -eu
cd "$(dirname "$0")/.."
root=$PWD
build=build
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

(cd "$build" && cpack -G DEB -B "$stage/package" >/dev/null)
deb=$(ls "$stage"/package/zvk-stats_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
status=0
expected="./usr/bin/zvk-score ./usr/bin/zvk-robot ./usr/lib/zvk-stats/libStats.so ./usr/share/doc/zvk-stats/README.md
  ./usr/lib/systemd/system/zvk-robot.service"
for ini in contests/*.ini contests/*.txt; do
  [ -e "$ini" ] && expected="$expected ./usr/share/zvk-stats/contests/$(basename "$ini")"
done
for path in $expected; do
  if ! printf '%s\n' "$contents" | grep -qxF "$path"; then
    echo "$deb lacks $path"; status=1
  fi
done

# The robot mails receipts through libcurl: the package must depend on it.
if ! dpkg-deb -f "$deb" Depends | grep -q 'libcurl4'; then
  echo "$deb does not depend on libcurl4: $(dpkg-deb -f "$deb" Depends)"; status=1
fi

# The sample scored by an installed program gives the summary of the build tree's.
expected_summary=$(cd "$stage" && "$root/$build/cli/zvk-score" --out tree \
  "$root/examples/zvk-sample.adi" | sed -n '/^Files written:/q;p')
dpkg-deb -x "$deb" "$stage/deb"
cmake --install "$build" --prefix "$stage/prefix" >/dev/null
for program in "$stage/deb/usr/bin/zvk-score" "$stage/prefix/bin/zvk-score"; do
  summary=$(cd "$stage" && "$program" --out installed "$root/examples/zvk-sample.adi" |
    sed -n '/^Files written:/q;p')
  if [ "$summary" != "$expected_summary" ]; then
    echo "$program scored the sample differently:"; printf '%s\n' "$summary"; status=1
  fi
  # The robot's program is found beside zvk-score.
  if ! "$program" serve --help | grep -q '^usage: zvk-score serve '; then
    echo "$program serve did not start the log robot"; status=1
  fi
done
[ $status -eq 0 ] && echo "package $(basename "$deb"): contents and installed zvk-score as expected"
exit $status
