#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "monitor/events/actions.h"
#include "tests/support/fake_tones.h"
#include "tests/support/scripted_dialogs.h"

namespace tarnwick::testing {

class FakePower : public PowerSwitch {
public:
    std::vector<std::string> calls;
    void Restart() override { calls.push_back("restart"); }
    void StandBy() override { calls.push_back("standby"); }
    void SwitchOff() override { calls.push_back("switchoff"); }
};

// A notification service that takes every notification (ids from 1) or, with taking false,
// none; it remembers what it was given and closes a notification when told.
class FakeNotifications : public platform::DesktopNotifications {
public:
    struct Shown {
        QString summary;
        QString body;
    };
    bool taking = true;
    std::vector<Shown> shown;

    void Notify(const QString& summary, const QString& body,
                std::function<void(std::optional<std::uint32_t>)> answer) override {
        shown.push_back({summary, body});
        answer(taking ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(shown.size()))
                      : std::nullopt);
    }
    void SetClosedHandler(std::function<void(std::uint32_t)> closed) override {
        closed_ = std::move(closed);
    }
    void Close(std::uint32_t id) {
        if (closed_) {
            closed_(id);
        }
    }

private:
    std::function<void(std::uint32_t)> closed_;
};

// Every action seam at once, for the tests of the engine and the actions.
struct FakeActionSet {
    FakeTones tones;
    ScriptedDialogs dialogs;
    FakePower power;
    FakeNotifications notifications;

    ActionServices Services(int platform = 3) {
        ActionServices services;
        services.dialogs = &dialogs;
        services.tones = &tones;
        services.power = &power;
        services.platform = platform;
        services.notifications = &notifications;
        return services;
    }
};

}  // namespace tarnwick::testing
