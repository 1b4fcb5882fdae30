#!/usr/bin/env bash
# bench.sh PRODUCT_EXE DEMO_DISC AUTOMATION_EXE BARE_WINDOW_EXE ART_DIR WORK_DIR
#
# Prints the figures of the product PRODUCT_EXE: its size, section by
# section, split into its pictures (the form's bitmaps and the icon, in the
# resource section) and the rest; and, under Wine, its start-up time to the
# first complete frame from the demo disc as drive D:, next to a bare
# 32-bit window of the same size, the two started in turns.
set -euo pipefail
product=$1 demo=$2 automation=$3 bare=$4 art=$5 work=$6

total=$(stat -c %s "$product")
echo "i686 menu.exe sections (bytes):"
while read -r name size; do
  printf '  %-8s %8d\n' "$name" $((16#$size))
done < <(i686-w64-mingw32-objdump -h "$product" | awk '$2 ~ /^\./ {print $2, $3}')
# The resource section's size, in hex in the section headers.
rsrc=$((16#$(i686-w64-mingw32-objdump -h "$product" | awk '$2 == ".rsrc" {print $3}')))
pictures=$(cat "$art"/background.bmp "$art"/button*.bmp "$art"/mainicon.ico | wc -c)
printf 'i686 menu.exe: %d bytes; resources %d bytes, of them pictures %d; code, data and imports %d bytes\n' \
  "$total" "$rsrc" "$pictures" $((total - rsrc))

. "$(dirname "$0")/session.sh"
start_session "$work" "$demo"
reg add 'HKCU\Software\Wine' /v Version /d win7 /f
"$wine" "$automation" bench "$(windows_path "$art")" "$(windows_path "$bare")" </dev/null
"$wineserver" -w
