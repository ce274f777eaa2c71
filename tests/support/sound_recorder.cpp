#include "support/sound_recorder.h"

namespace test {

SoundRecorder::SoundRecorder() : log_(folder_ / "sounds.log") {
    SetEnvironmentVariableA("PELLORA_SOUND_LOG", log_.c_str());
}

SoundRecorder::~SoundRecorder() { SetEnvironmentVariableA("PELLORA_SOUND_LOG", nullptr); }

std::vector<int> SoundRecorder::Sounds() const { return ReadSoundLog(log_); }

}  // namespace test
