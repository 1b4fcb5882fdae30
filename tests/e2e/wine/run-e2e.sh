#!/usr/bin/env bash
# run-e2e.sh MENU_EXE AUTOMATION_EXE STANDIN_EXE ART_DIR WORK_DIR
#
# The Windows menu end to end under Wine (session.sh: a fresh prefix in
# WORK_DIR, a private display, the demo disc as drive D:), driven by the
# automation program in four phases, each prepared here with `wine reg`:
# Windows 7 without and with an SQL Server key, Windows XP, and a non-936
# code page with the menu in a folder whose name holds spaces and Chinese
# characters.
set -euo pipefail
menu=$1 automation=$2 standin=$3 art=$4 work=$5
. "$(dirname "$0")/session.sh"
start_session "$work" "$menu" "$standin"
art_dir=$(windows_path "$art")

status=0
phase() { "$wine" "$automation" "$1" "$art_dir" </dev/null || status=1; }

reg add 'HKCU\Software\Wine' /v Version /d win7 /f
phase win7
reg add 'HKLM\SOFTWARE\Microsoft\Microsoft SQL Server' /f
phase win7-key
reg delete 'HKLM\SOFTWARE\Microsoft\Microsoft SQL Server' /f
reg add 'HKCU\Software\Wine' /v Version /d winxp64 /f
phase xp
"$wineserver" -w
# Western code page 1252: every Chinese text and path must still be exact.
reg add 'HKCU\Software\Wine' /v Version /d win10 /f
LC_ALL=en_US.UTF-8 phase folder
"$wineserver" -w
exit $status
