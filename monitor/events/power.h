#pragma once

#include <QString>

#include "monitor/events/actions.h"
#include "platform/power.h"

namespace tarnwick {

// Restart, stand by and switch off in steps: reach the manager, ask whether we may, order it.
// A step that fails shows the box "Exit Error" captioned with the step's name, for instance
// "CanPowerOff() Failed", and the machine stays on.
class SystemPower final : public PowerSwitch {
public:
    SystemPower(platform::LoginManager& manager, Dialogs& messages)
        : manager_(manager), messages_(messages) {}
    void Restart() override { Run(QStringLiteral("CanReboot"), QStringLiteral("Reboot")); }
    void StandBy() override { Run(QStringLiteral("CanSuspend"), QStringLiteral("Suspend")); }
    void SwitchOff() override { Run(QStringLiteral("CanPowerOff"), QStringLiteral("PowerOff")); }

private:
    void Run(const QString& question, const QString& method);
    void Failed(const QString& step);

    platform::LoginManager& manager_;
    Dialogs& messages_;
};

}  // namespace tarnwick
