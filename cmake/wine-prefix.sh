#!/bin/sh
# wine-prefix.sh init|stop PREFIX: makes a fresh 64-bit (WoW64) Wine prefix
# for one test run, or stops its wineserver afterwards.
set -eu
action=$1 prefix=$2
. "$(dirname "$0")/wine.sh"
export WINEPREFIX="$prefix"
case $action in
  init)
    "$wineserver" -k 2>/dev/null || true
    rm -rf "$prefix"
    mkdir -p "$prefix"
    "$wine" wineboot -i </dev/null
    "$wineserver" -w ;;
  stop)
    "$wineserver" -k 2>/dev/null || true ;;
esac
