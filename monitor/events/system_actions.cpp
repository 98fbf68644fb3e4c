#include "monitor/events/system_actions.h"

#include "common/platform_id.h"
#include "data/app_icon.h"
#include "monitor/events/power.h"
#include "platform/notifications.h"
#include "platform/power.h"
#include "platform/sound.h"

namespace tarnwick {

namespace {

// The parts live before the actions that use them and die after them.
struct SystemParts {
    explicit SystemParts(QWidget* owner) : dialogs(owner), power(*logind, dialogs) {}

    ActionServices Services() {
        ActionServices services;
        services.dialogs = &dialogs;
        services.tones = tones.get();
        services.power = &power;
        services.platform = GetPlatform();
        services.notifications = notifications.get();
        return services;
    }

    QtDialogs dialogs;
    std::unique_ptr<platform::ToneOutput> tones = platform::MakeSystemTones();
    std::unique_ptr<platform::LoginManager> logind = platform::MakeSystemLoginManager();
    SystemPower power;
    std::unique_ptr<platform::DesktopNotifications> notifications =
        platform::MakeSystemNotifications(QStringLiteral("Tarnwick"), QString::fromLatin1(kAppId));
};

class SystemEventActions final : private SystemParts, public EventActions {
public:
    explicit SystemEventActions(QWidget* owner)
        : SystemParts(owner), EventActions(SystemParts::Services()) {}
};

}  // namespace

std::unique_ptr<EventActions> MakeSystemEventActions(QWidget* owner) {
    return std::make_unique<SystemEventActions>(owner);
}

}  // namespace tarnwick
