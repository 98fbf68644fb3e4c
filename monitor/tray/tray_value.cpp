#include "monitor/tray/tray_value.h"

#include <algorithm>

namespace tarnwick {

QString TrayTip(int trayMeasure) {
    return QString::fromLatin1(ResourceUsageName(trayMeasure - 1));
}

int TrayValue(int trayMeasure, Measures& measures) {
    if (trayMeasure < kTrayMeasureProcessor || trayMeasure > kTrayMeasureVirtualMemory) {
        return 0;
    }
    // Measure N shows resource N - 1, in the order of the menus.
    return measures.UsagePercent(trayMeasure - 1);
}

void ShowTrayValue(TrayIcon& icon, const TrayPictures& pictures, int value, const QString& tip) {
    const int shown = std::clamp(value, 0, kTrayPictureCount - 1);
    icon.TrayIconModify(pictures[static_cast<std::size_t>(shown)], tip);
}

}  // namespace tarnwick
