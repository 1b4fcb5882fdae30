# Sourced by the Wine drivers: a fresh prefix in a work folder, a private
# Xvfb display, and the demo disc with the stand-in Setup.exe in every setup
# folder, mapped as drive D:.
#
#   start_session WORK_DIR MENU_EXE STANDIN_EXE
#
# sets WINEPREFIX, DISPLAY, MENU_SETUP_RECORD and the helpers below, and
# stops the display and the prefix's wineserver when the script exits.
# A disc laid out elsewhere (extracted from an image, say) is used with
#
#   open_session WORK_DIR; boot_with_disc DISC_DIR

wine=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver64

# A Linux path as Wine's drive Z: shows it.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# wine reg, with its standard input closed (it can hang otherwise).
reg() { "$wine" reg "$@" </dev/null >/dev/null 2>&1; }

open_session() {
  local work=$1
  session_work=$work
  rm -rf "$work"
  mkdir -p "$work"
  export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  # Code page 936, as on the systems the menu is made for; the locale must
  # be generated, or Wine strips the high bit of every non-ASCII byte of a
  # file name.
  export LC_ALL=zh_CN.UTF-8

  # A display of our own: -displayfd picks a free one. SIGTERM (not
  # SIGKILL) so that Xvfb removes its lock file.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb=$!
  trap stop_session EXIT
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=:$(head -n1 "$work/display")
  export MENU_SETUP_RECORD
  MENU_SETUP_RECORD=$(windows_path "$work/launches.txt")
}

# A fresh prefix with DISC as its drive D:.
boot_with_disc() {
  "$wine" wineboot -i </dev/null >"$session_work/wineboot.log" 2>&1
  "$wineserver" -w
  ln -s "$1" "$WINEPREFIX/dosdevices/d:"
}

start_session() {
  local work=$1 menu=$2 standin=$3
  open_session "$work"

  # The disc: the menu at its root, the eight setup folders beside it, and
  # a second copy of the menu in a folder with spaces and Chinese
  # characters that holds only the client's folder.
  disc=$work/disc
  local folder
  for folder in KVServer KVClient KVPos KVSaaSServer KVSaaSClient MSDE \
                "Microsoft SQL Server 2005 Express(32)" "Microsoft SQL Server 2005 Express(64)"; do
    mkdir -p "$disc/$folder"
    cp "$standin" "$disc/$folder/Setup.exe"
  done
  echo "[Options]" >"$disc/Microsoft SQL Server 2005 Express(32)/setup.ini"
  echo "[Options]" >"$disc/Microsoft SQL Server 2005 Express(64)/setup.ini"
  cp "$menu" "$disc/menu.exe"
  local chinese="$disc/软件 光盘 (2)"
  mkdir -p "$chinese/KVClient"
  cp "$menu" "$chinese/menu.exe"
  cp "$standin" "$chinese/KVClient/Setup.exe"
  boot_with_disc "$disc"
}

stop_session() {
  "$wineserver" -k 2>/dev/null || true
  kill -TERM "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}
