#!/bin/bash
# Draws the start menu artwork into src/art/:
#   background.bmp   634x428 window background (only the top-left 633x421 shows)
#   buttonN.bmp      214x31 lit copy of the background under menu entry N
#   mainicon.ico     32x32 and 16x16 application icon
# Needs ImageMagick 6, python3 and the Noto Sans CJK fonts. The build never
# runs this script; its outputs are committed.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
OUT="$ROOT/src/art"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
mkdir -p "$OUT"

FONT=Noto-Sans-CJK-SC
BOLD=Noto-Sans-CJK-SC-Bold
convert -list font | grep -q "Font: $BOLD\$" || { echo "Noto Sans CJK SC not found" >&2; exit 1; }

# Menu entries, top to bottom: tag|left|top|label. Every bar is 214x31.
BW=214 BH=31
BUTTONS=(
  "2|391|48|安装MSDE/Express数据库"
  "3|391|86|QuendraTalvex SaaS 服务器"
  "4|391|123|QuendraTalvex SaaS 客户端"
  "5|391|161|QuendraTalvex POS 前台"
  "6|391|241|安装 Quendra SaaS 服务器"
  "8|391|278|安装 Quendra SaaS 客户端"
  "7|391|354|退出"
)

# Writes a 24-bit bottom-up BI_RGB BMP with a plain 40-byte info header.
bmp24() { convert "$1" -alpha off -type TrueColor -define bmp:format=bmp3 -compress none "BMP3:$2"; }

# ---------------------------------------------------------------- background
# Deep navy-to-teal diagonal, a soft glow behind the title, and a few large
# translucent rings and bands so the surface is not flat.
convert -size 634x428 -define gradient:angle=135 gradient:'#0a2a52'-'#0a6470' \
  \( -size 700x700 radial-gradient:'rgba(80,190,230,0.30)'-'rgba(80,190,230,0)' \) \
     -geometry -250-260 -composite \
  \( -size 900x900 radial-gradient:'rgba(40,220,180,0.18)'-'rgba(40,220,180,0)' \) \
     -geometry +60+80 -composite \
  -fill 'rgba(255,255,255,0.035)' -stroke none \
     -draw "circle 700,520 700,120" -draw "circle 700,520 700,230" \
     -draw "polygon 0,300 634,150 634,190 0,360" \
  -fill none -stroke 'rgba(255,255,255,0.10)' -strokewidth 1 \
     -draw "circle 700,520 700,60" -draw "circle -40,470 -40,250" \
  -stroke 'rgba(120,230,210,0.12)' -strokewidth 2 \
     -draw "bezier 0,318 200,262 420,300 634,220" \
  -fill 'rgba(255,255,255,0.045)' -stroke 'rgba(255,255,255,0.10)' -strokewidth 1 \
     -draw "circle 285,262 285,172" -draw "circle 285,262 285,232" \
  -fill none -stroke 'rgba(255,255,255,0.06)' -strokewidth 14 -draw "circle 285,262 285,200" \
  "$TMP/bg.png"

# Translucent panel that holds the menu, plus thin separators between groups.
convert "$TMP/bg.png" \
  -fill 'rgba(0,20,40,0.28)' -stroke 'rgba(255,255,255,0.14)' -strokewidth 1 \
     -draw "roundrectangle 377,22 619,401 10,10" \
  -fill none -stroke 'rgba(255,255,255,0.16)' \
     -draw "line 401,212 595,212" -draw "line 401,332 595,332" \
  -stroke none -fill '#bfe6ef' -font "$FONT" -pointsize 11 \
     -annotate +393+39 "QuendraTalvex 产品组件" \
     -annotate +393+232 "Quendra SaaS 云平台" \
  "$TMP/bg.png"

# Logo mark: a rounded tile holding a stylised disc. Drawn large and scaled
# down so the edges stay smooth; the icon reuses it.
convert -size 256x256 -define gradient:angle=135 gradient:'#2fd3a8'-'#1a6fc9' \
  \( -size 256x256 xc:black -fill white -draw "roundrectangle 0,0 255,255 56,56" \) \
  -alpha off -compose CopyOpacity -composite -compose Over \
  -fill none -stroke white -strokewidth 26 -draw "circle 128,128 128,50" \
  -fill white -stroke none -draw "circle 128,128 128,108" \
  -stroke white -strokewidth 28 -draw "line 160,160 206,206" \
  "$TMP/logo.png"

# Title block on the left.
convert "$TMP/bg.png" \
  \( "$TMP/logo.png" -resize 46x46 \( +clone -background black -shadow 50x3+0+2 \) \
     +swap -background none -layers merge +repage \) -geometry +28+46 -composite \
  -stroke none -font "$BOLD" -pointsize 26 -fill white -annotate +86+74 "QuendraTalvex" \
  -fill '#5ee3bd' -annotate +292+74 "SaaS" \
  -font "$FONT" -pointsize 12 -fill '#a9d3e6' -annotate +87+94 "Quendra 软件  ·  V3.0" \
  -font "$FONT" -pointsize 19 -fill '#e8f6fb' -annotate +30+142 "企业管理软件  安装光盘" \
  -fill '#5ee3bd' -draw "rectangle 30,156 74,158" \
  -fill '#5ee3bd' -draw "circle 34,186 36.5,186" -draw "circle 34,208 36.5,208" -draw "circle 34,230 36.5,230" \
  -font "$FONT" -pointsize 12 -fill '#cde6f0' \
     -annotate +44+190 "进销存、财务、会员一体化管理" \
     -annotate +44+212 "多门店数据实时同步" \
     -annotate +44+234 "云端部署，安全稳定" \
  -fill 'rgba(255,255,255,0.18)' -draw "rectangle 30,326 340,326" \
  -font "$BOLD" -pointsize 13 -fill '#e8f6fb' -annotate +30+348 "Quendra 软件有限公司" \
  -font "$FONT" -pointsize 11 -fill '#a9cfe0' \
     -annotate +30+368 "客服热线：400-000-0000" \
     -annotate +30+385 "网址：www.quendra.example" \
     -annotate +30+402 "地址：中国 示例市 高新区 软件园 8 号楼" \
  "$TMP/bg.png"

# Rounded mask shared by the bars and their lit copies.
convert -size ${BW}x${BH} xc:black -fill white -draw "roundrectangle 0,0 $((BW-1)),$((BH-1)) 7,7" "$TMP/mask.png"

# Green bars: vertical gradient, a faint top highlight, soft drop shadow and
# the centred label with a 1 px dark shadow under it.
for b in "${BUTTONS[@]}"; do
  IFS='|' read -r tag x y label <<<"$b"
  convert -size ${BW}x${BH} gradient:'#4cbc5e'-'#1f7a35' \
    -fill 'rgba(255,255,255,0.35)' -draw "line 6,1 $((BW-7)),1" \
    -fill none -stroke 'rgba(0,40,10,0.45)' -draw "roundrectangle 0,0 $((BW-1)),$((BH-1)) 7,7" \
    -stroke none -gravity center -font "$FONT" -pointsize 14 \
    -fill 'rgba(0,30,10,0.55)' -annotate +0+1 "$label" \
    -fill white -annotate +0+0 "$label" \
    "$TMP/mask.png" -alpha off -compose CopyOpacity -composite "$TMP/bar.png"
  convert "$TMP/bg.png" \
    \( "$TMP/bar.png" -background black -shadow 45x2+0+2 \) -geometry +$((x-4))+$((y-2)) -compose Over -composite \
    "$TMP/bar.png" -geometry +$x+$y -composite "$TMP/bg.png"
done
bmp24 "$TMP/bg.png" "$OUT/background.bmp"

# ------------------------------------------------------------------ buttons
# Each button is the background under its bar, lit per channel with
# out = in + (255 - in) * 0.3 (monotone, so no channel can get darker).
# The lighting follows the bar's rounded mask; corner pixels stay as they are.
for b in "${BUTTONS[@]}"; do
  IFS='|' read -r tag x y label <<<"$b"
  convert "$OUT/background.bmp" -crop ${BW}x${BH}+$x+$y +repage "$TMP/crop.png"
  convert "$TMP/crop.png" \( +clone -negate -evaluate multiply 0.7 -negate \) \
    "$TMP/mask.png" -compose Over -composite "$TMP/lit.png"
  bmp24 "$TMP/lit.png" "$OUT/button$tag.bmp"
done

# --------------------------------------------------------------------- icon
# The logo tile on a full navy square (the icon has no transparency).
for s in 32 16; do
  convert -size 256x256 xc:'#0a2a52' "$TMP/logo.png" -composite -resize ${s}x${s} "$TMP/icon$s.png"
  bmp24 "$TMP/icon$s.png" "$TMP/icon$s.bmp"
done

# Packs the two 24-bit BMPs into an ICO and checks every output.
python3 - "$OUT" "$TMP" "${BUTTONS[@]}" <<'EOF'
import struct, sys
out, tmp, buttons = sys.argv[1], sys.argv[2], sys.argv[3:]

def read_bmp(path, w, h):
    d = open(path, 'rb').read()
    off, hsz, bw, bh, planes, bpp, comp = struct.unpack_from('<I I i i H H I', d, 10)
    assert d[:2] == b'BM' and hsz == 40 and (bw, bh) == (w, h) and bpp == 24 and comp == 0, path
    assert off == 54 and len(d) == 54 + ((w * 3 + 3) & ~3) * h, path
    return d[54:]

stride = lambda w: (w * 3 + 3) & ~3
def pixels(raw, w, h, x0=0, y0=0, cw=None, ch=None):
    # Returns rows top-down as lists of (b, g, r) for a sub-rectangle.
    cw, ch = cw or w, ch or h
    s = stride(w)
    rows = []
    for y in range(y0, y0 + ch):
        r = raw[(h - 1 - y) * s:(h - y) * s]
        rows.append([tuple(r[3*x:3*x+3]) for x in range(x0, x0 + cw)])
    return rows

bg = read_bmp(f'{out}/background.bmp', 634, 428)
for b in buttons:
    tag, x, y, _ = b.split('|', 3)
    lit = pixels(read_bmp(f'{out}/button{tag}.bmp', 214, 31), 214, 31)
    under = pixels(bg, 634, 428, int(x), int(y), 214, 31)
    total = 0
    for lr, ur in zip(lit, under):
        for lp, up in zip(lr, ur):
            assert all(a >= c for a, c in zip(lp, up)), f'button{tag} darker than background'
            total += sum(lp) - sum(up)
    avg = total / (214 * 31 * 3)
    assert avg >= 20, f'button{tag} only {avg:.1f} lighter'
    print(f'button{tag}.bmp ok, average lift {avg:.1f}')

images = []
for s in (32, 16):
    xor = read_bmp(f'{tmp}/icon{s}.bmp', s, s)
    mask = bytes(((s + 31) // 32 * 4) * s)
    hdr = struct.pack('<IiiHHIIiiII', 40, s, 2 * s, 1, 24, 0, len(xor) + len(mask), 0, 0, 0, 0)
    images.append((s, hdr + xor + mask))
ico = struct.pack('<HHH', 0, 1, len(images))
off = 6 + 16 * len(images)
for s, data in images:
    ico += struct.pack('<BBBBHHII', s, s, 0, 0, 1, 24, len(data), off)
    off += len(data)
ico += b''.join(d for _, d in images)
open(f'{out}/mainicon.ico', 'wb').write(ico)
print('background.bmp ok; mainicon.ico written')
EOF
