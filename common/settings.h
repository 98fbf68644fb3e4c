#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/profile.h"

namespace tarnwick {

// One indicator place: [indicator1], [indicator2] or [indicator3] (the diagram).
struct IndicatorSettings {
    std::uint8_t type = 1;    // measure number 1..16
    std::int32_t time = 500;  // update interval, ms
    bool visible = true;      // the value is shown as text
};

// Every key of tarnwick.cfg. The two programs read the file with different defaults and
// clamps; each reader below gives the values its program works with.
struct Settings {
    // [main]
    bool onecopy = true;
    std::uint8_t mode = 2;  // 1 one diagram, 2 two indicators
    bool autorun = false;
    bool info = false;
    std::int32_t infoshow = 1000;
    std::int32_t infohide = 5000;
    bool bolt = false;
    bool lowprior = false;
    std::int32_t x = 100;
    std::int32_t y = 100;
    bool popup = true;
    bool snap = true;
    std::int32_t snapvalue = 8;
    std::int32_t transparent = 0;
    bool visible = true;     // the window is shown at start-up
    std::uint8_t icons = 0;  // tray icon: 0 none, 1 processor .. 4 virtual memory
    std::int32_t iconstime = 500;
    // [skins]
    std::string skinpath;  // empty: the program's folder + "skins/"
    std::string active;
    bool random = false;
    // [indicator1], [indicator2], [indicator3]
    std::array<IndicatorSettings, 3> indicators;
};

// "indicator1", "indicator2" and "indicator3" (the diagram), for indicator 0, 1 and 2.
inline constexpr std::array<const char*, 3> kIndicatorSections = {"indicator1", "indicator2",
                                                                  "indicator3"};

// The monitor's reading: its defaults, the low 8 bits of mode and type, its clamps, and a
// window that is always shown when no tray icon is chosen.
Settings ReadMonitorSettings(const ProfileText& file);
// The settings program's reading: its own defaults and clamps; x, y and [main] visible are
// not its business and keep their defaults.
Settings ReadSettingsProgramSettings(const ProfileText& file);

// The monitor's close-time batch, in its order. It leaves alone what only the settings
// program or the immediate menu writes change (snapvalue, infoshow, infohide, skinpath, the
// intervals).
void WriteCloseTimeSettings(ProfileText& file, const Settings& settings);
// The settings program's OK/Apply batch, in its order; `active` only when it lists skins.
void WriteAllSettings(ProfileText& file, const Settings& settings, bool hasSkins);

// The same two batches written to the settings file as one atomic replace.
// Throw WriteError when the file cannot be written.
void SaveOpt(const std::string& path, const Settings& settings);
void SaveOptions(const std::string& path, const Settings& settings, bool hasSkins);

// Window opacity (0..255) for a transparency percentage: 30 -> 178, 35 -> 166.
int OpacityForTransparency(std::int32_t percent);

}  // namespace tarnwick
