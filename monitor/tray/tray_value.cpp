#include "monitor/tray/tray_value.h"

#include <algorithm>
#include <array>

#include "common/texts.h"

namespace tarnwick {

const QString& TrayTip(TrayMeasure tray) {
    // Made once: the icon's timer asks for the tip at every tick.
    static const QString kNone;
    static const std::array<QString, kResourceCount> kTips = [] {
        std::array<QString, kResourceCount> tips;
        for (const Resource resource : kResources) {
            tips[IndexOf(resource)] = ResourceUsageText(resource);
        }
        return tips;
    }();
    const std::optional<Resource> resource = ResourceOf(tray);
    return resource ? kTips[IndexOf(*resource)] : kNone;
}

const QString& TrayTip(int number) {
    return TrayTip(TrayMeasureFromNumber(number));
}

int TrayValue(TrayMeasure tray, Measures& measures) {
    const std::optional<Resource> resource = ResourceOf(tray);
    return resource ? measures.UsagePercent(*resource) : 0;
}

int TrayValue(int number, Measures& measures) {
    return TrayValue(TrayMeasureFromNumber(number), measures);
}

void ShowTrayValue(TrayIcon& icon, const TrayPictures& pictures, int value, const QString& tip) {
    const int shown = std::clamp(value, 0, kTrayPictureCount - 1);
    icon.TrayIconModify(pictures[static_cast<std::size_t>(shown)], tip);
}

}  // namespace tarnwick
