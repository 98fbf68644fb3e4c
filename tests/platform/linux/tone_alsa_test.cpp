#include <QByteArray>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>

#include "platform/sound.h"
#include "tests/support/temp_folder.h"

namespace tarnwick {
namespace {

using testing::TempFolder;

TEST(AlsaTones, RealToneSoundsOnTheDefaultDevice) {
    // A null "default" device of our own, so the test needs no sound card and makes no noise.
    TempFolder folder;
    const std::string conf = folder.file("asound.conf");
    TempFolder::Write(conf, "pcm.!default {\n type null\n}\n");
    qputenv("ALSA_CONFIG_PATH", QByteArray::fromStdString(conf));
    const std::unique_ptr<platform::ToneOutput> tones = platform::MakeSystemTones();
    const std::unique_ptr<platform::ToneChannel> channel = tones->Open();
    qunsetenv("ALSA_CONFIG_PATH");
    ASSERT_NE(channel, nullptr);
    std::atomic<bool> stop{false};
    const auto start = std::chrono::steady_clock::now();
    channel->Play(1500, 120, stop);
    channel->Play(99999, 40, stop);  // beyond what the device carries: silence
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    stop = true;
    const auto stopped = std::chrono::steady_clock::now();
    channel->Play(1500, 60000, stop);
    EXPECT_LT(std::chrono::steady_clock::now() - stopped, std::chrono::seconds(1));
}

}  // namespace
}  // namespace tarnwick
