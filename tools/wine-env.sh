# Sourced by the scripts that run Wine: a private prefix inside the build folder, no Mono or
# Gecko prompts, no desktop integration, nothing written into the user's home.
# Expects BUILD_DIR to be set (defaults to <repo>/build).
_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
: "${BUILD_DIR:=$_repo/build}"
export WINEARCH=win64
export WINEPREFIX="$BUILD_DIR/wineprefix"
export WINEDEBUG=-all
# Always start through the 64-bit loader: where i386 programs run only under emulation, a
# detour through the 32-bit loader costs a minute per process. It still starts 32-bit
# programs (Pellora.exe itself) through the 32-bit side when asked to.
export WINELOADER=/usr/lib/wine/wine64
WINE=/usr/lib/wine/wine64
# winmm and dwmapi are overridable so that tests can put recording stand-ins beside a copy of
# the executable; without such a DLL beside it the built-in one loads.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d;winmm=n,b;dwmapi=n,b"
# A new prefix links Desktop and Documents to $HOME: keep that inside the build folder.
export HOME="$BUILD_DIR/winehome"
export XDG_CACHE_HOME="$HOME/.cache" XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
mkdir -p "$HOME"
