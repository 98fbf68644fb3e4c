#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "monitor/events/actions.h"

namespace tarnwick::testing {

// Counts the impulses a signal plays; plays no sound and takes no time.
class FakeTones : public ToneOutput {
public:
    std::atomic<int> impulses{0};
    std::atomic<int> lastFreq{0};

    std::unique_ptr<ToneChannel> Open() override { return std::make_unique<Channel>(*this); }

private:
    struct Channel : ToneChannel {
        explicit Channel(FakeTones& owner) : owner(owner) {}
        void Play(std::int32_t freq, std::int32_t, const std::atomic<bool>&) override {
            owner.lastFreq = freq;
            ++owner.impulses;
        }
        FakeTones& owner;
    };
};

// Keeps the boxes open until the test closes them.
class FakeMessages : public EventMessages {
public:
    struct Box {
        QString text;
        std::function<void()> closed;
    };
    std::vector<Box> boxes;
    std::vector<QString> exitErrors;

    void ShowEventBox(const QString& text, std::function<void()> closed) override {
        boxes.push_back({text, std::move(closed)});
    }
    void ShowExitError(const QString& caption) override { exitErrors.push_back(caption); }
    void Close(std::size_t box) { boxes.at(box).closed(); }
};

class FakeStarter : public ProcessStarter {
public:
    std::vector<std::pair<QString, QStringList>> started;
    bool Start(const QString& program, const QStringList& arguments) override {
        started.emplace_back(program, arguments);
        return true;
    }
};

class FakeOpener : public DocumentOpener {
public:
    std::vector<QString> opened;  // "document <path>" or "folder <path>"
    bool OpenDocument(const QString& path) override {
        opened.push_back(QStringLiteral("document ") + path);
        return true;
    }
    bool OpenFolder(const QString& path) override {
        opened.push_back(QStringLiteral("folder ") + path);
        return true;
    }
};

class FakePower : public PowerSwitch {
public:
    std::vector<std::string> calls;
    void Restart() override { calls.push_back("restart"); }
    void StandBy() override { calls.push_back("standby"); }
    void SwitchOff() override { calls.push_back("switchoff"); }
};

// Every action seam at once, for the tests of the engine and the actions.
struct FakeActionSet {
    FakeTones tones;
    FakeMessages messages;
    FakeStarter starter;
    FakeOpener opener;
    FakePower power;

    ActionServices Services(int platform = 3) {
        ActionServices services;
        services.messages = &messages;
        services.tones = &tones;
        services.starter = &starter;
        services.opener = &opener;
        services.power = &power;
        services.platform = platform;
        return services;
    }
};

}  // namespace tarnwick::testing
