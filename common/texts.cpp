#include "common/texts.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace tarnwick {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString Tr(const char* text) {
    return QCoreApplication::translate("Texts", text);
}

// The measure captions share a menu with each other: their accelerators differ there.
constexpr std::array<const char*, kResourceCount> kResourceCaptions = {
    QT_TRANSLATE_NOOP("Texts", "&Processor"), QT_TRANSLATE_NOOP("Texts", "&Operative memory"),
    QT_TRANSLATE_NOOP("Texts", "&Swap file"), QT_TRANSLATE_NOOP("Texts", "&Virtual memory")};
constexpr std::array<const char*, 4> kProcessorKinds = {
    QT_TRANSLATE_NOOP("Texts", "&Usage, %"), QT_TRANSLATE_NOOP("Texts", "&Freely, %"),
    QT_TRANSLATE_NOOP("Texts", "U&sage, MHz"), QT_TRANSLATE_NOOP("Texts", "Fr&eely, MHz")};
constexpr std::array<const char*, 4> kMemoryKinds = {
    QT_TRANSLATE_NOOP("Texts", "&Usage, %"), QT_TRANSLATE_NOOP("Texts", "&Freely, %"),
    QT_TRANSLATE_NOOP("Texts", "U&sage, MB"), QT_TRANSLATE_NOOP("Texts", "Fr&eely, MB")};
constexpr std::array<const char*, kResourceCount> kUsageNames = {
    QT_TRANSLATE_NOOP("Texts", "Processor usage"),
    QT_TRANSLATE_NOOP("Texts", "Operation memory usage"),
    QT_TRANSLATE_NOOP("Texts", "Swap file usage"),
    QT_TRANSLATE_NOOP("Texts", "Virtual memory usage")};
constexpr std::array<const char*, kPressureCount> kPressureNames = {
    QT_TRANSLATE_NOOP("Texts", "Processor pressure"), QT_TRANSLATE_NOOP("Texts", "Memory pressure"),
    QT_TRANSLATE_NOOP("Texts", "Input/output pressure")};
constexpr std::array<const char*, 5> kUnits = {QT_TRANSLATE_NOOP("Texts", "MHz"),
                                               QT_TRANSLATE_NOOP("Texts", "MB"),
                                               //: The byte sign after an amount: 512 B, 1.5 kB.
                                               QT_TRANSLATE_NOOP("Texts", "B"),
                                               //: Kilo before the byte sign: 1.5 kB.
                                               QT_TRANSLATE_NOOP("Texts", "k"),
                                               //: Mega before the byte sign: 512 MB.
                                               QT_TRANSLATE_NOOP("Texts", "M")};

}  // namespace

QString ResourceUsageText(Resource resource) {
    return Tr(ResourceUsageName(resource));
}

QString PressureText(Pressure pressure) {
    return Tr(PressureName(pressure));
}

const char* ResourceUsageName(Resource resource) {
    return kUsageNames[IndexOf(resource)];
}

const char* PressureName(Pressure pressure) {
    return kPressureNames[IndexOf(pressure)];
}

QString UnitText(Unit unit) {
    return Tr(kUnits[static_cast<std::size_t>(unit)]);
}

QString ResourceCaption(Resource resource) {
    return Tr(kResourceCaptions[IndexOf(resource)]);
}

QString MeasureKindCaption(Measure measure) {
    const auto& kinds = measure.resource == Resource::Processor ? kProcessorKinds : kMemoryKinds;
    return Tr(kinds[static_cast<std::size_t>(measure.kind)]);
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
    QString text = resource   ? ResourceUsageText(*resource)
                   : pressure ? PressureText(*pressure)
                              : QString();
    text += kCrLf;
    text += QCoreApplication::translate("Texts", "during %1 hours, %2 minutes and %3 seconds")
                .arg(event.hour)
                .arg(event.min)
                .arg(event.sec);
    text += kCrLf;
    QString amount = QString::number(event.value) + QLatin1Char(' ');
    if (event.measure == 0 || pressure) {
        amount += QLatin1Char('%');
    } else {
        amount += UnitText(resource == Resource::Processor ? Unit::Megahertz : Unit::Megabyte);
    }
    text += (event.biglit == 0 ? QCoreApplication::translate("Texts", "was more than %1")
                               : QCoreApplication::translate("Texts", "was less than %1"))
                .arg(amount);
    return text;
}

}  // namespace tarnwick
