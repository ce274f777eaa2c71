#!/usr/bin/env bash
# Photographs a scripted drag: Pellora (first-run placement) and the fixture window of the
# tests side by side, the root option cleared so that the frame is drawn, the target icon
# dragged with X's own pointer (xdotool) over the fixture's edit box, and the screen taken
# while the button is held.  Usage: DISPLAY=:N tools/drag-screenshot.sh [out.png]
# Needs a built build/x64 and an X display with nothing else on it.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-drag.png}
export BUILD_DIR="${BUILD_DIR:-$repo/build}"
source "$repo/tools/wine-env.sh"
e2e="$BUILD_DIR/x64/tests/e2e"
"$WINE" reg delete 'HKCU\Software\Ostrel' /f >/dev/null 2>&1 || true
(cd "$e2e" && exec "$WINE" Pellora.exe >/dev/null 2>&1) &
pellora=$!
(cd "$e2e" && exec "$WINE" fixture_window.exe 510 60 >/dev/null 2>&1) &
fixture=$!
trap 'kill $pellora $fixture 2>/dev/null || true' EXIT
sleep 4
xdotool mousemove 27 88 click 1          # clear "Automatically find the root parent window"
sleep 0.5
xdotool mousemove 395 45 mousedown 1     # press on the target icon
for point in "450 80" "550 110" "600 130" "618 135"; do
  xdotool mousemove $point
  sleep 0.3
done
sleep 0.7
import -window root "$out"
xdotool mouseup 1
echo "$out"
