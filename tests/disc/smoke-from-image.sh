#!/usr/bin/env bash
# smoke-from-image.sh DISC.ISO AUTOMATION_EXE ART_DIR WORK_DIR
#
# The product run under Wine from the files of its disc image: the image is
# extracted with xorriso, the extracted tree becomes drive D: of a fresh
# 64-bit prefix, and the automation program drives the image's menu.exe
# through its Windows 7 phase (window, artwork, hover, launches, messages,
# questions). The demo disc's stand-in setups record their starts.
set -euo pipefail
iso=$1 automation=$2 art=$3 work=$4
. "$(dirname "$0")/../e2e/wine/session.sh"
open_session "$work"
xorriso -no_rc -osirrox on -indev "$iso" -extract / "$work/disc" </dev/null >"$work/extract.log" 2>&1
# Files come off the image read-only; the automation renames folders to
# show the missing-folder messages.
chmod -R u+w "$work/disc"
boot_with_disc "$work/disc"
reg add 'HKCU\Software\Wine' /v Version /d win7 /f
"$wine" "$automation" win7 "$(windows_path "$art")" </dev/null
