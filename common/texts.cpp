#include "common/texts.h"

#include <algorithm>
#include <array>

namespace tarnwick {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

constexpr std::array<const char*, kResourceCount> kResourceCaptions = {
    "&Processor", "&Operative memory", "&Swap file", "&Virtual memory"};
constexpr std::array<const char*, 4> kProcessorKinds = {"&Usage, %", "&Freely, %", "U&sage, MHz",
                                                        "Fr&eely, MHz"};
constexpr std::array<const char*, 4> kMemoryKinds = {"&Usage, %", "&Freely, %", "U&sage, MB",
                                                     "Fr&eely, MB"};

}  // namespace

const char* ResourceUsageName(int resource) {
    static const char* const kNames[] = {"Processor usage", "Operation memory usage",
                                         "Swap file usage", "Virtual memory usage"};
    return resource >= kProcessor && resource <= kVirtualMemory ? kNames[resource] : "";
}

QString ResourceCaption(int resource) {
    if (resource < 0 || resource >= kResourceCount) {
        return QString();
    }
    return QString::fromLatin1(kResourceCaptions[resource]);
}

QString MeasureKindCaption(int measure) {
    if (measure < 1 || measure > kMeasureCount) {
        return QString();
    }
    const auto& kinds = ResourceOfMeasure(measure) == kProcessor ? kProcessorKinds : kMemoryKinds;
    return QString::fromLatin1(kinds[KindOfMeasure(measure)]);
}

QString MeasureButtonCaption(int measure) {
    measure = std::clamp(measure, 1, kMeasureCount);
    return WithoutAccelerators(ResourceCaption(ResourceOfMeasure(measure))) +
           QStringLiteral(" | ") + WithoutAccelerators(MeasureKindCaption(measure));
}

QString WithoutAccelerators(const QString& caption) {
    QString plain;
    plain.reserve(caption.size());
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;
        }
        plain += caption[i];
    }
    return plain;
}

std::int64_t DurationOf(std::int32_t hour, std::int32_t min, std::int32_t sec) {
    const std::uint32_t wrapped = static_cast<std::uint32_t>(hour) * 3600U +
                                  static_cast<std::uint32_t>(min) * 60U +
                                  static_cast<std::uint32_t>(sec);
    return static_cast<std::int32_t>(wrapped);
}

QString AutomaticText(const EventKeys& event) {
    QString text = QLatin1String(ResourceUsageName(event.event));
    text += kCrLf;
    text += QStringLiteral("during %1 hours, %2 minutes and %3 seconds")
                .arg(event.hour)
                .arg(event.min)
                .arg(event.sec);
    text += kCrLf;
    text += event.biglit == 0 ? QStringLiteral("was more than ") : QStringLiteral("was less than ");
    text += QString::number(event.value);
    if (event.measure == 0) {
        text += QStringLiteral(" %");
    } else {
        text += event.event == kProcessor ? QStringLiteral(" MHz") : QStringLiteral(" MB");
    }
    return text;
}

}  // namespace tarnwick
