#include "platform/linux/tone_alsa.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <vector>

namespace tarnwick::platform {

namespace {

constexpr unsigned kRate = 48000;
constexpr unsigned kLatencyUs = 100000;  // how far a stop may lag behind the sound
constexpr unsigned kChunkFrames = 960;   // 20 ms
constexpr unsigned kFadeFrames = 240;    // 5 ms at either end, so an impulse does not click
constexpr double kAmplitude = 0.3 * 32767;
constexpr double kPi = 3.14159265358979323846;

// A machine without sound would fill the terminal with the library's complaints.
void QuietLibraryErrors(const char*, int, const char*, int, const char*, ...) {}

class AlsaChannel final : public ToneChannel {
public:
    explicit AlsaChannel(snd_pcm_t* pcm) : pcm_(pcm) {}
    ~AlsaChannel() override { snd_pcm_close(pcm_); }

    void Play(std::int32_t freq, std::int32_t milliseconds,
              const std::atomic<bool>& stop) override {
        if (milliseconds <= 0) {
            return;
        }
        const std::size_t total = static_cast<std::size_t>(milliseconds) * kRate / 1000;
        // Frequencies the device cannot carry sound as silence of the same length.
        const bool audible = freq > 0 && static_cast<unsigned>(freq) < kRate / 2;
        const double step = audible ? 2.0 * kPi * freq / kRate : 0.0;
        std::vector<std::int16_t> chunk(kChunkFrames);
        std::size_t done = 0;
        while (done < total && !stop) {
            const std::size_t frames = std::min<std::size_t>(kChunkFrames, total - done);
            for (std::size_t i = 0; i < frames; ++i) {
                const std::size_t at = done + i;
                const double fade = std::min({1.0, static_cast<double>(at) / kFadeFrames,
                                              static_cast<double>(total - at) / kFadeFrames});
                chunk[i] = audible
                               ? static_cast<std::int16_t>(kAmplitude * fade *
                                                           std::sin(step * static_cast<double>(at)))
                               : 0;
            }
            if (!Write(chunk.data(), frames)) {
                return;
            }
            done += frames;
        }
        if (stop) {
            snd_pcm_drop(pcm_);
        } else {
            snd_pcm_drain(pcm_);  // the impulse lasts as long as it sounds
        }
        snd_pcm_prepare(pcm_);
    }

private:
    bool Write(const std::int16_t* samples, std::size_t frames) {
        while (frames > 0) {
            snd_pcm_sframes_t written = snd_pcm_writei(pcm_, samples, frames);
            if (written < 0) {
                written = snd_pcm_recover(pcm_, static_cast<int>(written), 1);
                if (written < 0) {
                    return false;
                }
                continue;
            }
            samples += written;
            frames -= static_cast<std::size_t>(written);
        }
        return true;
    }

    snd_pcm_t* pcm_;
};

}  // namespace

std::unique_ptr<ToneChannel> AlsaTones::Open() {
    static std::once_flag quiet;
    std::call_once(quiet, [] { snd_lib_error_set_handler(QuietLibraryErrors); });
    snd_pcm_t* pcm = nullptr;
    // Opened without blocking, so a device held by another program fails at once instead of
    // waiting; writes block, which paces the tone.
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
        return nullptr;
    }
    if (snd_pcm_nonblock(pcm, 0) < 0 ||
        snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1, kRate, 1,
                           kLatencyUs) < 0) {
        snd_pcm_close(pcm);
        return nullptr;
    }
    return std::make_unique<AlsaChannel>(pcm);
}

std::unique_ptr<ToneOutput> MakeSystemTones() {
    return std::make_unique<AlsaTones>();
}

}  // namespace tarnwick::platform
