// No notification service: every notification is refused at once, so the caller shows its box.
#include "platform/notifications.h"

namespace tarnwick::platform {

namespace {

class NullNotifications final : public DesktopNotifications {
public:
    void Notify(const QString&, const QString&,
                std::function<void(std::optional<std::uint32_t>)> shown) override {
        shown(std::nullopt);
    }
    void SetClosedHandler(std::function<void(std::uint32_t)>) override {}
};

}  // namespace

std::unique_ptr<DesktopNotifications> MakeSystemNotifications(const QString&, const QString&) {
    return std::make_unique<NullNotifications>();
}

}  // namespace tarnwick::platform
