#!/usr/bin/env bash
# Makes the build's own Wine prefix, once: wineboot -i, waited for until Wine's server is done.
# Usage: wine_prefix.sh /usr/lib/wine/wine64 PREFIX
set -euo pipefail
wine="$1"
export WINEPREFIX="$2" WINEDEBUG=-all
# Without Mono and Gecko: the program needs neither, and nothing is downloaded.
export WINEDLLOVERRIDES="mscoree,mshtml="
server="$(dirname "$wine")/wineserver"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine" wineboot -i
fi
"$server" -w
test -f "$WINEPREFIX/system.reg"
