#!/usr/bin/env bash
# Builds Pellora into BUILD_DIR (default: build/):
#   build/i686  the product, a 32-bit Pellora.exe;
#   build/x64   the same sources for 64-bit Windows, with every test and benchmark.
# Usage: tools/build.sh [i686|x64|all] [ninja targets...]
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
: "${BUILD_DIR:=$repo/build}"
which=${1:-all}
[ $# -gt 0 ] && shift

configure_and_build() {  # <arch folder> <toolchain> <tests ON|OFF> [targets...]
  local dir="$BUILD_DIR/$1" toolchain=$2 tests=$3
  shift 3
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$repo" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELLORA_TESTS="$tests" \
      -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/$toolchain" >/dev/null
  fi
  cmake --build "$dir" -- -j"$(nproc)" "$@"
}

case "$which" in
  i686) configure_and_build i686 toolchain-mingw-i686.cmake OFF "$@" ;;
  x64) configure_and_build x64 toolchain-mingw-x86_64.cmake ON "$@" ;;
  all)
    configure_and_build i686 toolchain-mingw-i686.cmake OFF
    configure_and_build x64 toolchain-mingw-x86_64.cmake ON ;;
  *) echo "usage: tools/build.sh [i686|x64|all] [targets...]" >&2; exit 2 ;;
esac
