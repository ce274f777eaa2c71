// The acknowledgement sounds: WAVE resources of the program, played without waiting.
#pragma once

namespace plra {

// Starts WAVE resource `id`; a new sound cuts off one still playing and a missing resource
// stays silent. The result is deliberately not examined: a sound is never worth a failure.
void PlayResourceSound(int id);

// The critical-stop sound, and the simple beep.
void BeepCriticalStop();
void BeepSimple();

}  // namespace plra
