#pragma once

#include <QIcon>

namespace tarnwick {

// The name of the programs' icon in the icon theme and of their desktop entries.
inline constexpr char kAppId[] = "example.tarnwick.Tarnwick";
inline constexpr char kSettingsAppId[] = "example.tarnwick.TarnwickCfg";

// The programs' icon: the theme's, as installed in hicolor, else the copy built into the
// program, so an uninstalled build and a tray without the theme still show it.
QIcon AppIcon();

// The copy built into the programs, one picture for each size the theme installs.
QIcon BuiltInAppIcon();

}  // namespace tarnwick
