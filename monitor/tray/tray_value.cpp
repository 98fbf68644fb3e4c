#include "monitor/tray/tray_value.h"

#include <algorithm>

namespace tarnwick {

const QString& TrayTip(int trayMeasure) {
    // Made once: the icon's timer asks for the tip at every tick.
    static const QString kTips[] = {QString(), QString::fromLatin1(ResourceUsageName(0)),
                                    QString::fromLatin1(ResourceUsageName(1)),
                                    QString::fromLatin1(ResourceUsageName(2)),
                                    QString::fromLatin1(ResourceUsageName(3))};
    const bool known =
        trayMeasure >= kTrayMeasureProcessor && trayMeasure <= kTrayMeasureVirtualMemory;
    return kTips[known ? trayMeasure : 0];
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
