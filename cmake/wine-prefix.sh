#!/bin/sh
# wine-prefix.sh init|stop PREFIX: makes a fresh Wine prefix for one test run,
# or stops its wineserver afterwards.
set -eu
action=$1 prefix=$2
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
case $action in
  init)
    /usr/lib/wine/wineserver64 -k 2>/dev/null || true
    rm -rf "$prefix"
    mkdir -p "$prefix"
    /usr/lib/wine/wine64 wineboot -i </dev/null
    /usr/lib/wine/wineserver64 -w ;;
  stop)
    /usr/lib/wine/wineserver64 -k 2>/dev/null || true ;;
esac
