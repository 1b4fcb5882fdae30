#!/usr/bin/env bash
# Start-up to the first frame on screen and peak memory of the menu, side by
# side with a bare GTK window of the same size (the floor), in one Xvfb.
# Usage: bench/linux/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build/linux}
runs=${2:-15}
menu=$build/disc/menu
bare=$build/bench/linux/bare_window
probe=$build/bench/linux/first_frame

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp -noreset -br >/dev/null 2>&1 &
xvfb=$!
trap 'kill -TERM "$xvfb"; wait "$xvfb" 2>/dev/null || true' EXIT
read -r -u "$fd" number
export DISPLAY=":$number" NO_AT_BRIDGE=1
# A throw-away, empty Wine prefix: the menu reads no real registry.
export WINEPREFIX=$(mktemp -d)
x=$(( (1280 - 635) / 2 )); y=$(( (1024 - 423) / 2 ))

# Alternate the two programs so that both see the same machine load.
: > "$WINEPREFIX/menu" ; : > "$WINEPREFIX/bare"
for _ in $(seq "$runs"); do
  "$probe" "$x" "$y" "$menu" >> "$WINEPREFIX/menu"
  "$probe" "$x" "$y" "$bare" >> "$WINEPREFIX/bare"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
menu_ms=$(cut -d' ' -f1 "$WINEPREFIX/menu" | median); bare_ms=$(cut -d' ' -f1 "$WINEPREFIX/bare" | median)
menu_kb=$(cut -d' ' -f2 "$WINEPREFIX/menu" | median); bare_kb=$(cut -d' ' -f2 "$WINEPREFIX/bare" | median)
rm -rf "$WINEPREFIX"
printf '%-34s %10s %12s %8s\n' "median of $runs runs" menu "bare window" ratio
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
printf '%-34s %10.1f %12.1f %8s\n' "start-up to first frame (ms)" "$menu_ms" "$bare_ms" "$(ratio "$menu_ms" "$bare_ms")"
printf '%-34s %10d %12d %8s\n' "peak resident memory (KiB)" "$menu_kb" "$bare_kb" "$(ratio "$menu_kb" "$bare_kb")"
