// A platform that knows nothing of its machine: no figures, no folders, no sound, no session
// manager. It compiles anywhere, so the programs' logic builds and is tested where no system
// layer exists yet.
#include <QObject>

#include <chrono>
#include <cstdio>
#include <thread>

#include "platform/figures.h"
#include "platform/power.h"
#include "platform/process.h"
#include "platform/session.h"
#include "platform/sound.h"

namespace tarnwick::platform {

namespace {

class NullProcessorFigures final : public ProcessorFigures {
public:
    bool ReadIdleTime(std::int64_t&) override { return false; }
    std::uint32_t TickCount() override {
        using namespace std::chrono;
        return static_cast<std::uint32_t>(
            duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }
    bool HasTimeStampCounter() override { return false; }
    std::uint64_t ReadTimeStampCounter() override { return 0; }
    void RaisePriorityForTiming() override {}
    void RestorePriorityAfterTiming() override {}
    void Sleep(std::uint32_t milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
    double NominalSpeed() override { return 0; }
};

class NullMemoryFigures final : public MemoryFigures {
public:
    void ReadMemoryStatus(MemoryStatus& status) override { status = MemoryStatus(); }
};

class NullProcessPriority final : public ProcessPriority {
public:
    void SetLevel(int) override {}
    int Level() override { return 0; }
};

class NullTones final : public ToneOutput {
public:
    std::unique_ptr<ToneChannel> Open() override { return nullptr; }
};

class NullLoginManager final : public LoginManager {
public:
    bool Reachable() override { return false; }
    void Ask(const QString&, std::function<void(bool, const QString&)> done) override {
        done(false, QString());
    }
    void Order(const QString&, bool, std::function<void(bool)> done) override { done(false); }
};

}  // namespace

std::unique_ptr<ProcessorFigures> MakeSystemProcessorFigures() {
    return std::make_unique<NullProcessorFigures>();
}
std::unique_ptr<MemoryFigures> MakeSystemMemoryFigures() {
    return std::make_unique<NullMemoryFigures>();
}
std::unique_ptr<ProcessPriority> MakeSystemProcessPriority() {
    return std::make_unique<NullProcessPriority>();
}
std::unique_ptr<ToneOutput> MakeSystemTones() {
    return std::make_unique<NullTones>();
}
std::unique_ptr<LoginManager> MakeSystemLoginManager() {
    return std::make_unique<NullLoginManager>();
}
void WatchTermination(QObject*, std::function<void()>) {}

std::string ProgramFolder() {
    return "";
}
std::string ConfigHome() {
    return "";
}
std::vector<std::string> ConfigHomes() {
    return {};
}
void ReturnFreedMemory() {}
void LogError(const std::string& message) {
    std::fprintf(stderr, "Tarnwick: %s\n", message.c_str());
}
std::string PrivateFallbackFolder() {
    return "";
}
std::string RuntimeFolder() {
    return "";
}

NamedLock::~NamedLock() = default;
bool NamedLock::OpenOrCreate(const std::string&, const std::string&) {
    return false;
}

}  // namespace tarnwick::platform
