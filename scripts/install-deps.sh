#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (as root, or
# through sudo). Does nothing when they are all present.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  googletest libgtest-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine64
  libbenchmark-dev
  clang libclang-rt-14-dev
  # The Linux program: GTK 3, the icon theme and a CJK font for its dialogs,
  # and the desktop's opener for documents.
  libgtk-3-dev adwaita-icon-theme fonts-noto-cjk xdg-utils
  # Its end-to-end tests and the headless run: an X server, X input and
  # window tools, screenshots, and the accessibility bus for the dialogs.
  xvfb xdotool x11-utils imagemagick
  dbus dbus-bin at-spi2-core python3 python3-gi gir1.2-atspi-2.0
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
