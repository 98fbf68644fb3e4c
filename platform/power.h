#pragma once

#include <QString>

#include <functional>
#include <memory>

// The session manager that may restart, suspend or switch off the machine.
namespace tarnwick::platform {

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

// The system's manager. The calls do not wait; the answers come back through the event loop.
std::unique_ptr<LoginManager> MakeSystemLoginManager();

}  // namespace tarnwick::platform
