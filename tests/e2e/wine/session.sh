# Sourced by the Wine drivers: a fresh 64-bit (WoW64) prefix in a work
# folder, a private Xvfb display, and a disc mapped as drive D:.
#
#   start_session WORK_DIR DEMO_DISC
#
# copies the demo disc (the menu at its root, the eight setup folders with
# their stand-in Setup.exe beside it) into WORK_DIR, adds the folders the
# phases start the menu from, and boots the prefix with that copy as D:.
# It sets WINEPREFIX, DISPLAY, MENU_SETUP_RECORD and the helpers below, and
# stops the display and the prefix's wineserver when the script exits.
# A disc laid out elsewhere (extracted from an image, say) is used with
#
#   open_session WORK_DIR; boot_with_disc DISC_DIR

. "$(dirname "${BASH_SOURCE[0]}")/../../../cmake/wine.sh"

# A Linux path as Wine's drive Z: shows it.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# wine reg, with its standard input closed (it can hang otherwise).
reg() { "$wine" reg "$@" </dev/null >/dev/null 2>&1; }

open_session() {
  local work=$1
  session_work=$work
  rm -rf "$work"
  mkdir -p "$work"
  export WINEPREFIX=$work/prefix
  # Code page 936, as on the systems the menu is made for; the locale must
  # be generated, or Wine strips the high bit of every non-ASCII byte of a
  # file name.
  export LC_ALL=zh_CN.UTF-8

  # A display of our own: -displayfd picks a free one. SIGTERM (not
  # SIGKILL) so that Xvfb removes its lock file.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
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

# Another copy of the menu in FOLDER of the disc, with only the client's
# setup folder beside it.
add_menu_folder() {
  local folder="$disc/$1"
  mkdir -p "$folder/KVClient"
  cp "$disc/menu.exe" "$folder/menu.exe"
  cp "$disc/KVClient/Setup.exe" "$folder/KVClient/Setup.exe"
}

start_session() {
  local work=$1 demo=$2
  open_session "$work"
  disc=$work/disc
  cp -r "$demo" "$disc"
  # Spaces and Chinese characters; and a name ending in 運 (bytes DF 5C in
  # code page 936), whose second byte is the backslash's.
  add_menu_folder "软件 光盘 (2)"
  add_menu_folder "光盘運"
  # Outside code page 936.
  add_menu_folder "한국어 디스크"
  boot_with_disc "$disc"
}

stop_session() {
  "$wineserver" -k 2>/dev/null || true
  kill -TERM "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}
