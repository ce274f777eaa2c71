#include "support/sound_recorder.h"

#include <cstdio>

namespace test {

SoundRecorder::SoundRecorder() : log_(folder_ / "sounds.log") {
    SetEnvironmentVariableA("PELLORA_SOUND_LOG", log_.c_str());
}

SoundRecorder::~SoundRecorder() { SetEnvironmentVariableA("PELLORA_SOUND_LOG", nullptr); }

std::vector<int> SoundRecorder::Sounds() const {
    std::vector<int> sounds;
    FILE* file = std::fopen(log_.c_str(), "rb");
    if (!file) return sounds;
    unsigned id = 0;
    unsigned long flags = 0;
    while (std::fscanf(file, "%u %lx", &id, &flags) == 2) sounds.push_back(static_cast<int>(id));
    std::fclose(file);
    return sounds;
}

}  // namespace test
