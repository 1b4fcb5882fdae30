#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (as root, or
# through sudo), with the i386 architecture for Wine's 32-bit loader, and
# generates the locales the Wine tests run in. Does nothing when they are
# all present.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  googletest libgtest-dev
  # The Windows program and its 32-bit test build (the default and the
  # -posix compilers), and a WoW64 Wine to run them: the 64-bit loader for
  # the prefix and its 64-bit programs, the 32-bit one for ours.
  g++-mingw-w64-i686
  wine64 wine32:i386
  libbenchmark-dev
  clang libclang-rt-14-dev
  # The Linux program: GTK 3, the icon theme and a CJK font for its dialogs,
  # and the desktop's opener for documents.
  libgtk-3-dev adwaita-icon-theme fonts-noto-cjk xdg-utils
  # Its end-to-end tests and the headless run: an X server, X input and
  # window tools, screenshots, and the accessibility bus for the dialogs.
  xvfb xdotool x11-utils imagemagick
  dbus dbus-bin at-spi2-core python3 python3-gi gir1.2-atspi-2.0
  # The disc image, and signing the program (with throw-away certificates
  # that openssl makes for the tests).
  xorriso osslsigncode openssl
  # The Windows program's import-table check, and its end-to-end tests under
  # Wine: the X server above, and the locales that give Wine code page 936
  # (and a Western one) with file names mapped through UTF-8.
  binutils-mingw-w64-i686 locales
)
locales=(zh_CN.UTF-8 en_US.UTF-8)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo

# The i386 packages need the architecture, and a package list that holds it.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

# locale -a spells them zh_CN.utf8; Wine needs them generated, or it strips
# the high bit of every non-ASCII byte of a file name.
for l in "${locales[@]}"; do
  if ! locale -a | grep -qix "${l%.UTF-8}.utf8"; then
    $sudo sed -i -E "s/^# *($l UTF-8)/\1/" /etc/locale.gen
    grep -qx "$l UTF-8" /etc/locale.gen || echo "$l UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
  fi
done
