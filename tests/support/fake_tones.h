#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "platform/sound.h"

namespace tarnwick::testing {

// Counts the impulses a signal plays; plays no sound and takes no time.
class FakeTones : public platform::ToneOutput {
public:
    std::atomic<int> impulses{0};
    std::atomic<int> lastFreq{0};

    std::unique_ptr<platform::ToneChannel> Open() override {
        return std::make_unique<Channel>(*this);
    }

private:
    struct Channel : platform::ToneChannel {
        explicit Channel(FakeTones& owner) : owner(owner) {}
        void Play(std::int32_t freq, std::int32_t, const std::atomic<bool>&) override {
            owner.lastFreq = freq;
            ++owner.impulses;
        }
        FakeTones& owner;
    };
};

}  // namespace tarnwick::testing
