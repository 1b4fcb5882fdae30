#!/usr/bin/env bash
# run-e2e.sh DEMO_DISC AUTOMATION_EXE ART_DIR WORK_DIR
#
# The product end to end under Wine (session.sh: a fresh 64-bit prefix in
# WORK_DIR, a private display, a copy of the demo disc DEMO_DISC, whose
# menu.exe is the 32-bit product, as drive D:), driven by the automation
# program in phases, each prepared here with `wine reg`: Windows 7 without
# and with an SQL Server key (in the 64-bit view only, then in the 32-bit
# view only), Windows XP, code page 936 with the menu in a folder whose name
# ends in a character whose second byte is 0x5C and in one named outside
# code page 936, and a non-936 code page with the menu in a folder whose
# name holds spaces and Chinese characters.
set -euo pipefail
demo=$1 automation=$2 art=$3 work=$4
. "$(dirname "$0")/session.sh"
start_session "$work" "$demo"
art_dir=$(windows_path "$art")

status=0
phase() { "$wine" "$automation" "$1" "$art_dir" </dev/null || status=1; }
# A registry view must not show what the driver put only in the other one,
# or the phase would not show the menu reading both.
only_in_view() {
  local key=$1 view=$2 other=$3
  if reg query "$key" "/reg:$other"; then
    echo "FAIL - $key is in the $other-bit view too"
    status=1
  fi
}

key1='HKLM\SOFTWARE\Microsoft\Microsoft SQL Server'
key2='HKLM\SOFTWARE\Microsoft\Microsoft SQL Server 2005 Redist'
reg add 'HKCU\Software\Wine' /v Version /d win7 /f
phase win7
# Where a 64-bit SQL Server registers itself: the 32-bit menu's own view
# does not show it.
reg add "$key1" /reg:64 /f
only_in_view "$key1" 64 32
phase win7-key
reg delete "$key1" /reg:64 /f
# Where a 32-bit one does.
reg add "$key2" /reg:32 /f
only_in_view "$key2" 32 64
phase win7-key
reg delete "$key2" /reg:32 /f
reg add 'HKCU\Software\Wine' /v Version /d winxp64 /f
phase xp
reg add 'HKCU\Software\Wine' /v Version /d win7 /f
phase folder-5c
phase folder-outside-gbk
"$wineserver" -w
# Western code page 1252: every Chinese text and path must still be exact.
reg add 'HKCU\Software\Wine' /v Version /d win10 /f
LC_ALL=en_US.UTF-8 phase folder
"$wineserver" -w
exit $status
