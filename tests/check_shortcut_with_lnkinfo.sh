#!/usr/bin/env bash
# Reads the desktop shortcut with lnkinfo, a reader of .lnk files that shares no code with
# Windows or Wine. The in-process test that writes the shortcut leaves a copy beside itself.
# Usage: check_shortcut_with_lnkinfo.sh <wine runner> <inprocess_tests.exe>
set -euo pipefail
runner=$1
tests_exe=$2
folder=$(dirname "$tests_exe")
sample="$folder/desktop-shortcut-sample.lnk"
rm -f "$sample"
(cd "$folder" && "$runner" "$tests_exe" --gtest_filter=DesktopShortcut.WritesTheProgramsLinkWithEveryField >/dev/null)
[ -f "$sample" ] || { echo "no shortcut was left at $sample"; exit 1; }

info=$(lnkinfo "$sample")
echo "$info" | grep -E 'Icon index|Local path|Description|Working directory|Icon location'
fail=0
expect() {  # <label> <extended regular expression for the value>
  if ! echo "$info" | grep -Eq "^[[:space:]]*$1[[:space:]]*: $2\$"; then
    echo "lnkinfo: $1 does not match $2"
    fail=1
  fi
}
expect 'Icon index' '-101'
expect 'Local path' '.*\\inprocess_tests\.exe'
expect 'Icon location' '.*\\inprocess_tests\.exe'
expect 'Description' 'Launch the Pellora application'
expect 'Working directory' 'C:\\.*'
# lnkinfo prints the show command and the hot key as 0 whatever the file holds: read them from
# the link header (little-endian 32-bit show command at 60, 16-bit hot key at 64).
show=$(od -An -t u4 -j 60 -N 4 "$sample" | tr -d ' ')
hotkey=$(od -An -t u2 -j 64 -N 2 "$sample" | tr -d ' ')
[ "$show" = 1 ] || { echo "show command $show, expected 1 (SW_SHOWNORMAL)"; fail=1; }
[ "$hotkey" = 0 ] || { echo "hot key $hotkey, expected 0"; fail=1; }
exit $fail
