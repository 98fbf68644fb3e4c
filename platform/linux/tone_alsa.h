#pragma once

#include "platform/sound.h"

namespace tarnwick::platform {

// Sine tones on the "default" ALSA device. Open gives nothing when no device opens, and the
// signals then keep their rhythm in silence.
class AlsaTones final : public ToneOutput {
public:
    std::unique_ptr<ToneChannel> Open() override;
};

}  // namespace tarnwick::platform
