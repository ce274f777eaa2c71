#!/usr/bin/env bash
# Builds Pellora and runs it under 32-bit Wine. With DISPLAY set it opens on that display;
# without one it runs on a private Xvfb, saves a screenshot of the open dialog, sends the
# exit command and prints the exit code.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export BUILD_DIR="${BUILD_DIR:-$repo/build}"
"$repo/tools/install-deps.sh"
"$repo/tools/build.sh" i686 Pellora
"$repo/tools/build.sh" x64 snapshot
"$repo/tools/wine-prefix.sh"
source "$repo/tools/wine-env.sh"

if [ -n "${DISPLAY:-}" ]; then
  status=0
  "$WINE" "$BUILD_DIR/i686/Pellora.exe" || status=$?
  echo "Pellora exited with code $status"
  exit 0
fi

source "$repo/tools/xvfb.sh"
start_private_xvfb
trap 'wineserver -k 2>/dev/null || true; stop_private_xvfb' EXIT
shot="$BUILD_DIR/pellora-dialog.bmp"
# snapshot.exe starts Pellora, waits for its dialog, takes the picture through X, sends the
# exit command and reports Pellora's full exit code (wine itself keeps only 8 bits of it).
"$WINE" "$BUILD_DIR/x64/tests/snapshot.exe" "$("$WINE" winepath -w "$BUILD_DIR/i686/Pellora.exe" 2>/dev/null)" "$("$WINE" winepath -w "$shot" 2>/dev/null)" 2>/dev/null | grep -v '^Screenshot' || true
convert "$shot" -crop 640x480+0+0 +repage "${shot%.bmp}.png" && rm -f "$shot"
echo "Screenshot of the dialog: ${shot%.bmp}.png"
