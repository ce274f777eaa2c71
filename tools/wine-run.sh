#!/usr/bin/env bash
# Runs a Windows executable under the project's Wine prefix; CTest's emulator.
# The display comes from the caller (tools/test.sh starts a private Xvfb).
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
exec "$WINE" "$@"
