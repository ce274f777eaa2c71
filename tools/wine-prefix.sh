#!/usr/bin/env bash
# Creates the private Wine prefix once (quietly), with the sound driver off.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
stamp="$WINEPREFIX/.pellora-ready"
[ -f "$stamp" ] && exit 0
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
DISPLAY= "$WINE" wineboot -i >/dev/null 2>&1 || true
wineserver -w
# A new prefix links Desktop, Documents and the like to $HOME: make them real folders of the
# prefix, so that nothing a test writes there leaves it (and a copied prefix stays whole).
for link in "$WINEPREFIX"/drive_c/users/*/*; do
  [ -L "$link" ] && rm "$link" && mkdir -p "$link"
done
# No audio device here: keep Wine's sound driver quiet; PlaySound still returns at once.
DISPLAY= "$WINE" reg add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d '' /f >/dev/null 2>&1
# No window manager on a private Xvfb: Wine draws the captions and close boxes itself.
DISPLAY= "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
DISPLAY= "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
wineserver -w
touch "$stamp"
