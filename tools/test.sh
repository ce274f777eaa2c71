#!/usr/bin/env bash
# Builds everything and runs every test through CTest on a private Xvfb display, under the
# project's own Wine prefix. Installs what is missing first. Extra arguments go to ctest.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export BUILD_DIR="${BUILD_DIR:-$repo/build}"
"$repo/tools/install-deps.sh"
"$repo/tools/build.sh"
"$repo/tools/wine-prefix.sh"

source "$repo/tools/wine-env.sh"
source "$repo/tools/xvfb.sh"
start_private_xvfb
cleanup() {
  wineserver -k 2>/dev/null || true
  stop_private_xvfb
}
trap cleanup EXIT
# A persistent wineserver and Wine's helper processes started now, with their output away from
# CTest's pipes: otherwise every test waits for those helpers to let go of the pipes.
wineserver -k 2>/dev/null || true
wineserver -p
"$WINE" "$BUILD_DIR/x64/tests/idle.exe" </dev/null >/dev/null 2>&1 &
idle_pid=$!
# Wait until Wine's desktop process runs (slow on a loaded machine), then a moment more.
for _ in $(seq 120); do
  pgrep -f 'explorer.exe /desktop' >/dev/null && break
  sleep 0.5
done
sleep 2
status=0
(cd "$BUILD_DIR/x64" && ctest --output-on-failure --timeout 120 "$@") || status=$?
kill "$idle_pid" 2>/dev/null || true
exit $status
