# Sourced by the scripts that run Windows programs under Wine: the loaders
# and the environment every run shares.
#
# /usr/lib/wine/wine is the 32-bit loader (wine32:i386); in a 64-bit prefix
# it hands 64-bit programs (wineboot, reg) to the 64-bit one, so one prefix
# runs both, and a 32-bit program sees the WOW64 view of the registry, as on
# 64-bit Windows. The 64-bit wineserver serves both.
wine=/usr/lib/wine/wine wineserver=/usr/lib/wine/wineserver64
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
