#!/bin/sh
# Runs a command with an X display of its own: a fresh Xvfb (1024 x 768),
# stopped with SIGTERM afterwards so that it leaves no lock file behind.
#   with-display.sh COMMAND [ARGUMENT...]
set -eu
fifo_dir=$(mktemp -d)
trap 'rm -rf "$fifo_dir"' EXIT
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo_dir/display" 2>/dev/null &
xvfb=$!
read -r number <"$fifo_dir/display"
status=0
DISPLAY=":$number" "$@" || status=$?
kill -TERM "$xvfb"
wait "$xvfb" 2>/dev/null || true
exit "$status"
