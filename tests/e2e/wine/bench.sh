#!/usr/bin/env bash
# bench.sh PRODUCT_EXE MENU_EXE AUTOMATION_EXE STANDIN_EXE BARE_WINDOW_EXE ART_DIR WORK_DIR
#
# Prints the figures of the Windows program: the size of the 32-bit
# product PRODUCT_EXE, split into its pictures (the form's bitmaps and the
# icon, in the resource section) and the rest (code, data, imports); and,
# under Wine, the start-up time to the first complete frame of the 64-bit
# MENU_EXE next to a bare window of the same size, in one run.
set -euo pipefail
product=$1 menu=$2 automation=$3 standin=$4 bare=$5 art=$6 work=$7

total=$(stat -c %s "$product")
# The resource section's size, in hex in the section headers.
rsrc=$((16#$(i686-w64-mingw32-objdump -h "$product" | awk '$2 == ".rsrc" {print $3}')))
pictures=$(cat "$art"/background.bmp "$art"/button*.bmp "$art"/mainicon.ico | wc -c)
printf 'i686 menu.exe: %d bytes; resources %d bytes, of them pictures %d; code, data and imports %d bytes\n' \
  "$total" "$rsrc" "$pictures" $((total - rsrc))

. "$(dirname "$0")/session.sh"
start_session "$work" "$menu" "$standin"
reg add 'HKCU\Software\Wine' /v Version /d win7 /f
"$wine" "$automation" bench "$(windows_path "$art")" "$(windows_path "$bare")" </dev/null
"$wineserver" -w
