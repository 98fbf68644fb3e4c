#include "settings/config/refresh_monitors.h"

#include "common/refresh.h"

namespace tarnwick::cfg {

void BroadcastToMonitors(const SettingsServices& services, const char* message) {
    if (!services.runtimeFolder.empty()) {
        BroadcastRefresh(message, kRefreshTimeoutMs, services.runtimeFolder);
    }
}

}  // namespace tarnwick::cfg
