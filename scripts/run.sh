#!/usr/bin/env bash
# Installs what the Linux build needs, builds it, lays out the demo disc in
# build/linux/disc and starts the menu from it. With no display, it runs the
# menu in Xvfb instead, moves the pointer onto an entry, saves a screenshot
# and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target demo-disc
disc=build/linux/disc

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$disc/menu"
fi

echo "No display: starting the menu in Xvfb."
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
read -r -u "$fd" number
export DISPLAY=":$number"
"$disc/menu" &
menu=$!
# SIGTERM for Xvfb: a killed one leaves a lock file behind.
trap 'kill "$menu" 2>/dev/null || true; wait "$menu" 2>/dev/null || true; kill -TERM "$xvfb"; wait "$xvfb" 2>/dev/null || true' EXIT

xdotool search --sync --onlyvisible --pid "$menu" --name . >/dev/null
# The server entry: client (500, 100), inside a one-pixel band, centred.
x=$(( (1280 - 635) / 2 + 1 + 500 )); y=$(( (1024 - 423) / 2 + 1 + 100 ))
before=$(import -window root -crop 214x31+$((x - 109))+$((y - 14)) rgb:- | md5sum)
xdotool mousemove "$x" "$y"
# Wait for the repaint that lights the entry (at most 5 seconds).
for _ in $(seq 50); do
  [ "$(import -window root -crop 214x31+$((x - 109))+$((y - 14)) rgb:- | md5sum)" != "$before" ] && break
  sleep 0.1
done
shot=$PWD/build/linux/menu-screenshot.png
import -window root -crop 635x423+$(( (1280 - 635) / 2 ))+$(( (1024 - 423) / 2 )) +repage "$shot"
echo "The menu with the pointer on its server entry: $shot"
