#!/usr/bin/env bash
# Installs what building and testing Pellora needs on Debian 12: the i386 architecture,
# the mingw-w64 i686 cross-compiler, 32-bit Wine, Xvfb and the tools the tests use.
# Idempotent: does nothing when every package is already present.
set -euo pipefail

packages=(
  cmake ninja-build make g++-mingw-w64-i686-posix mingw-w64-i686-dev mingw-w64-tools
  wine wine32:i386 wine64 fonts-wine xvfb xdotool x11-utils xclip imagemagick googletest
  python3-fonttools python3-pil fonts-dejavu-core liblnk-utils icoutils sox
  libxinerama1:i386 libxrandr2:i386 libxcursor1:i386 libxi6:i386 libxrender1:i386
  libxfixes3:i386 libxcomposite1:i386 libxxf86vm1:i386
)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  need_update=1
fi

# Wine's 32-bit side needs a kernel that runs i386 programs. Where it cannot (some virtual
# machines), qemu's user-mode emulator runs them through binfmt_misc instead: slower, same result.
ensure_i386_execution() {
  /lib/ld-linux.so.2 --version >/dev/null 2>&1 && return 0
  if ! command -v qemu-i386-static >/dev/null; then
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends qemu-user-static >/dev/null
  fi
  local misc=/proc/sys/fs/binfmt_misc
  [ -e "$misc/register" ] || "${sudo_cmd[@]}" mount -t binfmt_misc binfmt_misc "$misc"
  local magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'
  local mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  [ -e "$misc/qemu-i386" ] || echo ":qemu-i386:M::${magic}\x02\x00\x03\x00:${mask}:/usr/bin/qemu-i386-static:F" \
    | "${sudo_cmd[@]}" tee "$misc/register" >/dev/null
  [ -e "$misc/qemu-i386-pie" ] || echo ":qemu-i386-pie:M::${magic}\x03\x00\x03\x00:${mask}:/usr/bin/qemu-i386-static:F" \
    | "${sudo_cmd[@]}" tee "$misc/register" >/dev/null
  /lib/ld-linux.so.2 --version >/dev/null 2>&1
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
ensure_i386_execution
