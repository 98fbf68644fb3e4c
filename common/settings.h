#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/domain.h"
#include "common/profile.h"
#include "common/settings_keys.h"

namespace tarnwick {

// One indicator place: [indicator1], [indicator2] or [indicator3] (the diagram). Every field
// starts at the monitor's default.
struct IndicatorSettings {
    std::uint8_t type = setting::kType[0].monitor.fallback;    // the measure's number, 1..16
    std::int32_t time = setting::kTime[0].monitor.fallback;    // update interval, ms
    bool visible = setting::kTextShowing[0].monitor.fallback;  // the value is shown as text

    // The measure shown; the reader keeps type within 1..16.
    Measure Shows() const { return NearestMeasure(type); }
    void Show(Measure measure) { type = static_cast<std::uint8_t>(NumberOf(measure)); }
};

// Every key of tarnwick.cfg, held as the file stores it, each field starting at the monitor's
// default (the table in settings_keys.h). The two programs read the file with different
// defaults and clamps; each reader below gives the values its program works with. The code
// that acts on the numbered choices takes them through Mode(), Tray() and Shows().
struct Settings {
    // [main]
    bool onecopy = setting::kOneCopy.monitor.fallback;
    std::uint8_t mode = setting::kMode.monitor.fallback;  // 1 one diagram, 2 two indicators
    bool autorun = setting::kAutorun.monitor.fallback;
    bool info = setting::kInfo.monitor.fallback;
    std::int32_t infoshow = setting::kInfoShow.monitor.fallback;
    std::int32_t infohide = setting::kInfoHide.monitor.fallback;
    bool bolt = setting::kBolt.monitor.fallback;
    bool lowprior = setting::kLowPrior.monitor.fallback;
    std::int32_t x = setting::kX.monitor.fallback;
    std::int32_t y = setting::kY.monitor.fallback;
    bool popup = setting::kPopup.monitor.fallback;
    bool snap = setting::kSnap.monitor.fallback;
    std::int32_t snapvalue = setting::kSnapValue.monitor.fallback;
    std::int32_t transparent = setting::kTransparent.monitor.fallback;
    bool visible = setting::kVisible.monitor.fallback;      // the window is shown at start-up
    std::uint8_t icons = setting::kIcons.monitor.fallback;  // tray icon: 0 none, 1..4
    std::int32_t iconstime = setting::kIconsTime.monitor.fallback;
    // [skins]
    std::string skinpath;  // empty: the program's folder + "skins/"
    std::string active;
    bool random = setting::kRandom.monitor.fallback;
    // [indicator1], [indicator2], [indicator3]
    std::array<IndicatorSettings, 3> indicators;

    DisplayMode Mode() const { return DisplayModeFromNumber(mode); }
    void SetMode(DisplayMode shown) { mode = static_cast<std::uint8_t>(NumberOf(shown)); }
    TrayMeasure Tray() const { return TrayMeasureFromNumber(icons); }
    void SetTray(TrayMeasure tray) { icons = static_cast<std::uint8_t>(NumberOf(tray)); }
};

// The monitor's reading: its defaults, the low 8 bits of mode and type, its clamps, and a
// window that is always shown when no tray icon is chosen.
Settings ReadMonitorSettings(const ProfileText& file);
// The settings program's reading: its own defaults and clamps; x, y and [main] visible are
// not its business and keep their defaults.
Settings ReadSettingsProgramSettings(const ProfileText& file);
// The one-copy test at the monitor's start-up: [main] onecopy with its own default, off.
bool OneCopyAtStart(const ProfileText& file);

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
