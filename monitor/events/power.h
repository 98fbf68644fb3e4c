#pragma once

#include <QObject>
#include <QString>

#include <functional>

#include "monitor/events/actions.h"

namespace tarnwick {

// The session manager that may restart, suspend or switch off the machine.
class LoginManager {
public:
    virtual ~LoginManager() = default;
    virtual bool Reachable() = 0;
    // A question such as "CanPowerOff"; done gets false on an error, else the answer
    // ("yes", "no", "challenge", "na").
    virtual void Ask(const QString& question,
                     std::function<void(bool ok, const QString& answer)> done) = 0;
    // An order such as "PowerOff"; interactive lets the system ask the user for the right.
    virtual void Order(const QString& method, bool interactive,
                       std::function<void(bool ok)> done) = 0;
};

// systemd-logind on the system bus. The calls do not wait; the answers come back through the
// event loop.
class LogindManager final : public QObject, public LoginManager {
    Q_OBJECT
public:
    using QObject::QObject;
    bool Reachable() override;
    void Ask(const QString& question,
             std::function<void(bool ok, const QString& answer)> done) override;
    void Order(const QString& method, bool interactive, std::function<void(bool ok)> done) override;
};

// Restart, stand by and switch off in steps: reach the manager, ask whether we may, order it.
// A step that fails shows the box "Exit Error" captioned with the step's name, for instance
// "CanPowerOff() Failed", and the machine stays on.
class SystemPower final : public PowerSwitch {
public:
    SystemPower(LoginManager& manager, EventMessages& messages)
        : manager_(manager), messages_(messages) {}
    void Restart() override { Run(QStringLiteral("CanReboot"), QStringLiteral("Reboot")); }
    void StandBy() override { Run(QStringLiteral("CanSuspend"), QStringLiteral("Suspend")); }
    void SwitchOff() override { Run(QStringLiteral("CanPowerOff"), QStringLiteral("PowerOff")); }

private:
    void Run(const QString& question, const QString& method);
    void Failed(const QString& step);

    LoginManager& manager_;
    EventMessages& messages_;
};

}  // namespace tarnwick
