#!/usr/bin/env bash
# run-e2e.sh MENU_EXE AUTOMATION_EXE STANDIN_EXE ART_DIR WORK_DIR
#
# The Windows menu end to end under Wine: a demo disc with the stand-in
# Setup.exe in every setup folder, mapped as drive D: of a fresh prefix in
# WORK_DIR, on a private Xvfb display, driven by the automation program in
# four phases, each prepared here with `wine reg`: Windows 7 without and
# with an SQL Server key, Windows XP, and a non-936 code page with the menu
# in a folder whose name holds spaces and Chinese characters.
set -euo pipefail
menu=$1 automation=$2 standin=$3 art=$4 work=$5
wine=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver64

rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Code page 936, as on the systems the menu is made for; the locale must be
# generated, or Wine strips the high bit of every non-ASCII file name byte.
export LC_ALL=zh_CN.UTF-8

# A display of our own: -displayfd picks a free one. SIGTERM (not SIGKILL)
# so that Xvfb removes its lock file.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
cleanup() {
  WINEPREFIX=$WINEPREFIX "$wineserver" -k 2>/dev/null || true
  kill -TERM "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$work/display")

# The disc: the menu at its root, the eight setup folders beside it, and a
# second copy of the menu in a folder with spaces and Chinese characters
# that holds only the client's folder.
disc=$work/disc
for folder in KVServer KVClient KVPos KVSaaSServer KVSaaSClient MSDE \
              "Microsoft SQL Server 2005 Express(32)" "Microsoft SQL Server 2005 Express(64)"; do
  mkdir -p "$disc/$folder"
  cp "$standin" "$disc/$folder/Setup.exe"
done
echo "[Options]" >"$disc/Microsoft SQL Server 2005 Express(32)/setup.ini"
echo "[Options]" >"$disc/Microsoft SQL Server 2005 Express(64)/setup.ini"
cp "$menu" "$disc/menu.exe"
chinese="$disc/软件 光盘 (2)"
mkdir -p "$chinese/KVClient"
cp "$menu" "$chinese/menu.exe"
cp "$standin" "$chinese/KVClient/Setup.exe"

windows_path() { printf 'Z:%s' "${1//\//\\}"; }
export MENU_SETUP_RECORD
MENU_SETUP_RECORD=$(windows_path "$work/launches.txt")
art_dir=$(windows_path "$art")

"$wine" wineboot -i </dev/null >"$work/wineboot.log" 2>&1
"$wineserver" -w
ln -s "$disc" "$WINEPREFIX/dosdevices/d:"

reg() { "$wine" reg "$@" </dev/null >/dev/null 2>&1; }
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
