#include "settings/config/descriptions.h"

#include <QStringList>

#include <string>

#include "common/events_file.h"
#include "common/skin/skin_format.h"

namespace tarnwick::cfg {

QString SkinDescription(const ProfileText& skin) {
    const SkinKeys keys = ReadSkinKeys(skin, SkinReader::Viewer);
    QStringList lines;
    lines << QStringLiteral("Title: ") + keys.name;
    lines << QStringLiteral("Author: ") + keys.author;
    if (!keys.info.isEmpty()) {
        lines << QString();
        lines << keys.info;
    }
    lines << QString();
    lines << QStringLiteral("For Tarnwick version: ") + keys.programVersion;
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
