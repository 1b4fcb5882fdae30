#!/usr/bin/env bash
# Start-up to the first frame on screen and peak memory of the menu, side by
# side with a bare GTK window of the same size (the floor), in one Xvfb
# started with -noreset (a server that resets between clients would add its
# reset to every start). The two programs are started in turns, PAIRS
# times, with a Wine prefix of a fresh prefix's size present, as any Wine
# user has: the menu must read none of it before its first frame. Prints
# the medians and the median of the pairs' ratios.
# Usage: bench/linux/startup.sh [BUILD_DIR] [PAIRS]
set -euo pipefail
build=${1:-build/linux}
pairs=${2:-11}
menu=$build/disc/menu
bare=$build/bench/linux/bare_window
probe=$build/bench/linux/first_frame

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp -noreset -br >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill -TERM "$xvfb"; wait "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
read -r -u "$fd" number
export DISPLAY=":$number" NO_AT_BRIDGE=1

# A prefix like the one wineboot makes: a 3 MB system.reg, a user.reg
# choosing Windows 7.
export WINEPREFIX=$work/prefix
mkdir "$WINEPREFIX"
python3 - "$WINEPREFIX" <<'EOF'
import sys
prefix = sys.argv[1]
with open(prefix + "/system.reg", "w") as f:
    f.write("WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n")
    key = 0
    while f.tell() < 3 << 20:
        f.write(f"[Software\\\\Classes\\\\CLSID\\\\{{{key:08X}-0000-0000-C000-000000000046}}\\\\InprocServer32] 1700000000\n"
                "#time=1d9e5f0c1a2b3c4\n@=\"C:\\\\windows\\\\system32\\\\ole32.dll\"\n\"ThreadingModel\"=\"Both\"\n\n")
        key += 1
with open(prefix + "/user.reg", "w") as f:
    f.write("WINE REGISTRY Version 2\n\n[Software\\\\Wine] 1700000000\n\"Version\"=\"win7\"\n")
EOF
x=$(( (1280 - 635) / 2 )); y=$(( (1024 - 423) / 2 ))

# The first GTK client of a new server works out the GL visuals and leaves
# them on the root window for the others: one unmeasured start of each.
"$probe" "$x" "$y" "$bare" >/dev/null
"$probe" "$x" "$y" "$menu" >/dev/null

# In turns, so that both see the same machine load.
: > "$work/menu"; : > "$work/bare"
for _ in $(seq "$pairs"); do
  "$probe" "$x" "$y" "$bare" >> "$work/bare"
  "$probe" "$x" "$y" "$menu" >> "$work/menu"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column() { cut -d' ' -f"$1" "$work/$2"; }
ratios() { paste -d' ' <(column "$1" menu) <(column "$1" bare) | awk '{ printf "%.4f\n", $1 / $2 }' | median; }
printf '%-34s %10s %12s %14s\n' "medians of $pairs pairs in turns" menu "bare window" "median ratio"
printf '%-34s %10.1f %12.1f %14.3f\n' "start-up to first frame (ms)" \
  "$(column 1 menu | median)" "$(column 1 bare | median)" "$(ratios 1)"
printf '%-34s %10d %12d %14.3f\n' "peak resident memory (KiB)" \
  "$(column 2 menu | median)" "$(column 2 bare | median)" "$(ratios 2)"
