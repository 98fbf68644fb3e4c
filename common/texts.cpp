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

const char* ResourceUsageName(Resource resource) {
    static const char* const kNames[] = {"Processor usage", "Operation memory usage",
                                         "Swap file usage", "Virtual memory usage"};
    return kNames[IndexOf(resource)];
}

const char* PressureName(Pressure pressure) {
    static const char* const kNames[] = {"Processor pressure", "Memory pressure",
                                         "Input/output pressure"};
    return kNames[IndexOf(pressure)];
}

QString ResourceCaption(Resource resource) {
    return QString::fromLatin1(kResourceCaptions[IndexOf(resource)]);
}

QString MeasureKindCaption(Measure measure) {
    const auto& kinds = measure.resource == Resource::Processor ? kProcessorKinds : kMemoryKinds;
    return QString::fromLatin1(kinds[static_cast<std::size_t>(measure.kind)]);
}

QString MeasureButtonCaption(Measure measure) {
    return WithoutAccelerators(ResourceCaption(measure.resource)) + QStringLiteral(" | ") +
           WithoutAccelerators(MeasureKindCaption(measure));
}

QString MeasureKindCaption(int number) {
    const std::optional<Measure> measure = MeasureFromNumber(number);
    return measure ? MeasureKindCaption(*measure) : QString();
}

QString MeasureButtonCaption(int number) {
    return MeasureButtonCaption(NearestMeasure(number));
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
    const std::optional<Resource> resource = ResourceFromNumber(event.event);
    const std::optional<Pressure> pressure = PressureFromNumber(event.event);
    QString text = resource   ? QLatin1String(ResourceUsageName(*resource))
                   : pressure ? QLatin1String(PressureName(*pressure))
                              : QLatin1String();
    text += kCrLf;
    text += QStringLiteral("during %1 hours, %2 minutes and %3 seconds")
                .arg(event.hour)
                .arg(event.min)
                .arg(event.sec);
    text += kCrLf;
    text += event.biglit == 0 ? QStringLiteral("was more than ") : QStringLiteral("was less than ");
    text += QString::number(event.value);
    if (event.measure == 0 || pressure) {
        text += QStringLiteral(" %");
    } else {
        text += resource == Resource::Processor ? QStringLiteral(" MHz") : QStringLiteral(" MB");
    }
    return text;
}

}  // namespace tarnwick
