#include "settings/config/command_word.h"

namespace tarnwick::cfg {
namespace {

QString LowerAscii(const QString& word) {
    QString lower = word;
    for (QChar& c : lower) {
        if (c >= u'A' && c <= u'Z') {
            c = QChar(c.unicode() + (u'a' - u'A'));
        }
    }
    return lower;
}

}  // namespace

Command ParseCommandWord(const QString& word) {
    if (word.isEmpty()) {
        return Command::None;
    }
    const QString lower = LowerAscii(word);
    if (lower == QLatin1String("about")) {
        return Command::About;
    }
    if (lower == QLatin1String("skineditor")) {
        return Command::SkinEditor;
    }
    if (lower == QLatin1String("eventseditor")) {
        return Command::EventsEditor;
    }
    return Command::Other;
}

bool ShowsSettingsWindowAtStart(Command command) {
    return command != Command::SkinEditor && command != Command::EventsEditor;
}

}  // namespace tarnwick::cfg
