// The sounds this test process asks for. The stand-in winmm.dll that sits beside the test
// executables writes each requested WAVE id to the file named by PELLORA_SOUND_LOG; a
// recorder points that variable at a file of its own while it lives.
#pragma once

#include "support/harness.h"

#include <vector>

namespace test {

class SoundRecorder {
public:
    SoundRecorder();
    ~SoundRecorder();
    SoundRecorder(const SoundRecorder&) = delete;
    SoundRecorder& operator=(const SoundRecorder&) = delete;
    // The WAVE ids requested since the recorder was made, in order.
    std::vector<int> Sounds() const;

private:
    TemporaryFolder folder_;
    std::string log_;
};

}  // namespace test
