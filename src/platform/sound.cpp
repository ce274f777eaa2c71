#include "platform/sound.h"

#include "app/app_context.h"
#include "platform/win.h"

#include <mmsystem.h>

namespace plra {

namespace {
// SND_RESOURCE | SND_ASYNC | SND_NODEFAULT: never wait, never fall back to the default sound.
constexpr DWORD kSoundFlags = 0x00040007;
static_assert(kSoundFlags == (SND_RESOURCE | SND_ASYNC | SND_NODEFAULT));
}  // namespace

void PlayResourceSound(int id) {
    ::PlaySoundA(MAKEINTRESOURCEA(id), App().instance, kSoundFlags);
}

void BeepCriticalStop() { ::MessageBeep(MB_ICONHAND); }

void BeepSimple() { ::MessageBeep(0xFFFFFFFF); }

}  // namespace plra
