#!/bin/sh
# Regenerate Pellora's icons, cursor, sounds and embedded font from the
# generator scripts.  The outputs are checked in, so a normal build does not
# need Python; run this after changing one of the make-*.py scripts.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
PY=${PYTHON:-/usr/bin/python3}

"$PY" "$here/make-icons.py"  "$root/resources"
"$PY" "$here/make-sounds.py" "$root/resources/sounds"
"$PY" "$here/make-font.py"   "$root/resources/font"
