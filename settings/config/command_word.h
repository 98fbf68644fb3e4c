#pragma once

#include <QString>

namespace tarnwick::cfg {

// The one word the settings program is started with ("TarnwickCfg eventseditor").
enum class Command { None, About, SkinEditor, EventsEditor, Other };

// Compares after lower-casing the ASCII letters only, so "SkinEditor" opens the skin editor.
Command ParseCommandWord(const QString& word);

// The two editor words start the program with the settings window hidden.
bool ShowsSettingsWindowAtStart(Command command);

}  // namespace tarnwick::cfg
