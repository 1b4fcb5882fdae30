#!/bin/sh
# Runs a Windows program under Wine in the build's throw-away prefix.
# MENU_WINEPREFIX is set by the test that runs us; the prefix is made once per
# test run by wine-prefix.sh.
: "${MENU_WINEPREFIX:?MENU_WINEPREFIX is not set}"
. "$(dirname "$0")/wine.sh"
export WINEPREFIX="$MENU_WINEPREFIX"
exec "$wine" "$@" </dev/null
