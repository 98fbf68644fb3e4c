#include "settings/config/descriptions.h"

#include <QCoreApplication>
#include <QStringList>

#include <string>

#include "common/events_file.h"
#include "common/skin/skin_format.h"

namespace tarnwick::cfg {
namespace {

// The settings window's texts are translated in one context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SettingsWindow)
};

}  // namespace

QString SkinDescription(const ProfileText& skin) {
    const SkinKeys keys = ReadSkinKeys(skin, SkinReader::Viewer);
    QStringList lines;
    lines << Text::tr("Title: %1").arg(keys.name);
    lines << Text::tr("Author: %1").arg(keys.author);
    if (!keys.info.isEmpty()) {
        lines << QString();
        lines << keys.info;
    }
    lines << QString();
    lines << Text::tr("For Tarnwick version: %1").arg(keys.programVersion);
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
