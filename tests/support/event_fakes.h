#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
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

// Every action seam at once, for the tests of the engine and the actions.
struct FakeActionSet {
    FakeTones tones;
    ScriptedDialogs dialogs;
    FakePower power;

    ActionServices Services(int platform = 3) {
        ActionServices services;
        services.dialogs = &dialogs;
        services.tones = &tones;
        services.power = &power;
        services.platform = platform;
        return services;
    }
};

}  // namespace tarnwick::testing
