#include "settings/config/refresh_monitors.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>

#include "common/refresh.h"

namespace tarnwick::cfg {

void BroadcastToMonitors(const SettingsServices& services,
                         const std::vector<std::string>& messages) {
    if (services.runtimeFolder.empty()) {
        return;
    }
    // The windows repaint while the monitors answer, but clicks and keys are held back until
    // the broadcast is over, so that a second "Apply" cannot start a broadcast inside this one.
    BroadcastRefresh(messages, kRefreshTimeoutMs, services.runtimeFolder,
                     [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    // The input held back is handled at the event loop's next pass; wake it, or that pass
    // would wait for the next event from the window system.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        dispatcher->wakeUp();
    }
}

}  // namespace tarnwick::cfg
