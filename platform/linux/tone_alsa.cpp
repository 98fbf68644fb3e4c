#include "platform/linux/tone_alsa.h"

#include <alsa/asoundlib.h>
#include <dlfcn.h>

#include <algorithm>
#include <cmath>
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

// The sound library is loaded at the first tone, not at start-up: most monitors never beep,
// and a loaded library costs every one of them its pages.
struct AlsaLibrary {
#define TARNWICK_ALSA_FUNCTIONS(X)                                                                \
    X(snd_pcm_open)                                                                               \
    X(snd_pcm_close)                                                                              \
    X(snd_pcm_nonblock) X(snd_pcm_set_params) X(snd_pcm_drop) X(snd_pcm_drain) X(snd_pcm_prepare) \
        X(snd_pcm_writei) X(snd_pcm_recover) X(snd_lib_error_set_handler)
#define TARNWICK_ALSA_MEMBER(name) decltype(&::name) name = nullptr;
    TARNWICK_ALSA_FUNCTIONS(TARNWICK_ALSA_MEMBER)
#undef TARNWICK_ALSA_MEMBER
    bool loaded = false;
};

// Null when the library is not installed: the signals then keep their rhythm in silence.
const AlsaLibrary* Alsa() {
    static const AlsaLibrary library = [] {
        AlsaLibrary found;
        void* handle = ::dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            return found;
        }
        bool all = true;
#define TARNWICK_ALSA_RESOLVE(name)                                              \
    found.name = reinterpret_cast<decltype(found.name)>(::dlsym(handle, #name)); \
    all = all && found.name != nullptr;
        TARNWICK_ALSA_FUNCTIONS(TARNWICK_ALSA_RESOLVE)
#undef TARNWICK_ALSA_RESOLVE
        found.loaded = all;
        if (all) {
            found.snd_lib_error_set_handler(QuietLibraryErrors);
        }
        return found;  // the library stays loaded for the life of the process
    }();
    return library.loaded ? &library : nullptr;
}

class AlsaChannel final : public ToneChannel {
public:
    AlsaChannel(const AlsaLibrary& alsa, snd_pcm_t* pcm) : alsa_(alsa), pcm_(pcm) {}
    ~AlsaChannel() override { alsa_.snd_pcm_close(pcm_); }

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
            alsa_.snd_pcm_drop(pcm_);
        } else {
            alsa_.snd_pcm_drain(pcm_);  // the impulse lasts as long as it sounds
        }
        alsa_.snd_pcm_prepare(pcm_);
    }

private:
    bool Write(const std::int16_t* samples, std::size_t frames) {
        while (frames > 0) {
            snd_pcm_sframes_t written = alsa_.snd_pcm_writei(pcm_, samples, frames);
            if (written < 0) {
                written = alsa_.snd_pcm_recover(pcm_, static_cast<int>(written), 1);
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

    const AlsaLibrary& alsa_;
    snd_pcm_t* pcm_;
};

}  // namespace

std::unique_ptr<ToneChannel> AlsaTones::Open() {
    const AlsaLibrary* alsa = Alsa();
    if (alsa == nullptr) {
        return nullptr;
    }
    snd_pcm_t* pcm = nullptr;
    // Opened without blocking, so a device held by another program fails at once instead of
    // waiting; writes block, which paces the tone.
    if (alsa->snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
        return nullptr;
    }
    if (alsa->snd_pcm_nonblock(pcm, 0) < 0 ||
        alsa->snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1, kRate,
                                 1, kLatencyUs) < 0) {
        alsa->snd_pcm_close(pcm);
        return nullptr;
    }
    return std::make_unique<AlsaChannel>(*alsa, pcm);
}

std::unique_ptr<ToneOutput> MakeSystemTones() {
    return std::make_unique<AlsaTones>();
}

}  // namespace tarnwick::platform
