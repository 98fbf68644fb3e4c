#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

// The desktop's notification service: a message that the desktop shows in its own way
// instead of a box of the program's.
namespace tarnwick::platform {

class DesktopNotifications {
public:
    virtual ~DesktopNotifications() = default;

    // Hands a notification to the service without waiting. shown runs on the caller's event
    // loop with the service's id for it, or with nothing when no service took it within a
    // second, so the caller can show the message another way. body is plain text; its lines
    // are separated by "\n".
    virtual void Notify(const QString& summary, const QString& body,
                        std::function<void(std::optional<std::uint32_t> id)> shown) = 0;

    // closed runs with the id of every notification the service reports closed: dismissed,
    // expired or taken back.
    virtual void SetClosedHandler(std::function<void(std::uint32_t id)> closed) = 0;
};

// The service of the user's session (on Linux org.freedesktop.Notifications on the session
// bus), with the program's name and the name of its icon in the icon theme. The null
// platform has none: every notification is refused at once.
std::unique_ptr<DesktopNotifications> MakeSystemNotifications(const QString& appName,
                                                              const QString& iconName);

}  // namespace tarnwick::platform
