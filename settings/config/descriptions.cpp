#include "settings/config/descriptions.h"

#include <QStringList>

#include <algorithm>
#include <string>

#include "common/events_file.h"

namespace tarnwick::cfg {
namespace {

// More description lines than any box can show mean a damaged file; the rest is dropped so
// a count of two thousand million cannot stall the window.
constexpr std::int32_t kMaxInfoLines = 1000;

QString Read(const ProfileText& file, const char* section, const std::string& key,
             const char* fallback) {
    return QString::fromStdString(ReadString(file, section, key, fallback));
}

}  // namespace

QString SkinDescription(const ProfileText& skin) {
    QStringList lines;
    lines << QStringLiteral("Title: ") + Read(skin, "skin", "name", "");
    lines << QStringLiteral("Author: ") + Read(skin, "skin", "author", "");
    const std::int32_t count = std::min(ReadInteger(skin, "info", "count", 1), kMaxInfoLines);
    if (count > 0) {
        lines << QString();
        for (std::int32_t i = 1; i <= count; ++i) {
            lines << Read(skin, "info", "line" + std::to_string(i), "");
        }
    }
    lines << QString();
    lines << QStringLiteral("For Tarnwick version: ") + Read(skin, "skin", "programversion", "3.0");
    return lines.join(QLatin1Char('\n'));
}

std::vector<EventName> EventNames(const ProfileText& events) {
    const std::int32_t count = EventCount(events);
    std::vector<EventName> names;
    names.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 1; i <= count; ++i) {
        const std::string section = EventSection(i);
        names.push_back({QString::fromStdString(
                             ReadString(events, section, "name", "Event " + std::to_string(i))),
                         ReadBool(events, section, "active", false)});
    }
    return names;
}

}  // namespace tarnwick::cfg
