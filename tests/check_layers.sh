#!/bin/sh
# Every #include points down the layers, so no folder depends on one above it
# and no two libraries need each other. A folder's rank: lower ranks are lower
# layers; folders of one rank never include each other, except the plug-in's,
# which form one layer among themselves.
# Usage: check_layers.sh SOURCE_DIR
set -eu
cd "$1"
rank() {
  case "$1" in
    platform) echo 0 ;;
    log | checks | cabrillo | score | plugin) echo 1 ;;
    errors) echo 2 ;;
    files) echo 3 ;;
    import | countries) echo 4 ;;
    host | crosscheck | mail) echo 5 ;;
    pages) echo 6 ;;
    publish) echo 7 ;;
    robot) echo 8 ;;
    cli) echo 9 ;;
    *) echo "" ;;
  esac
}
status=0
for from in platform log checks cabrillo score plugin errors files import countries host crosscheck mail pages publish robot cli; do
  from_rank=$(rank "$from")
  [ -d "$from" ] || continue
  for to in $(grep -rhoE '^#include "[a-z_]+/' "$from" | sed 's/#include "//; s#/##' | sort -u); do
    to_rank=$(rank "$to")
    [ -z "$to_rank" ] && continue
    [ "$to" = "$from" ] && continue
    [ "$to_rank" -lt "$from_rank" ] && continue
    [ "$to_rank" -eq 1 ] && [ "$from_rank" -eq 1 ] && continue
    echo "$from/ includes $to/:"
    grep -rnE "^#include \"$to/" "$from" | sed 's/^/  /'
    status=1
  done
done
exit $status
