#include "common/settings.h"

#include <algorithm>

#include "common/numbers.h"
#include "common/profile_file.h"

namespace tarnwick {

namespace {

constexpr const char* kMain = "main";
constexpr const char* kSkins = "skins";
constexpr const auto& kIndicators = kIndicatorSections;

std::int32_t ReadClamped(const ProfileText& file, const char* section, const char* key,
                         std::int32_t fallback, std::int32_t low, std::int32_t high) {
    return std::clamp(ReadInteger(file, section, key, fallback), low, high);
}

std::int32_t ReadInterval(const ProfileText& file, const char* section, const char* key,
                          std::int32_t fallback) {
    return ReadClamped(file, section, key, fallback, 100, 30000);
}

// What both programs read alike.
void ReadCommon(const ProfileText& file, Settings& s) {
    s.autorun = ReadBool(file, kMain, "autorun", false);
    s.info = ReadBool(file, kMain, "info", false);
    s.bolt = ReadBool(file, kMain, "bolt", false);
    s.lowprior = ReadBool(file, kMain, "lowprior", false);
    s.popup = ReadBool(file, kMain, "popup", true);
    s.snap = ReadBool(file, kMain, "snap", true);
    s.transparent = ReadClamped(file, kMain, "transparent", 0, 0, 90);
    s.iconstime = ReadInterval(file, kMain, "iconstime", 500);
    s.skinpath = ReadString(file, kSkins, "skinpath", "");
    s.active = ReadString(file, kSkins, "active", "");
    s.random = ReadBool(file, kSkins, "random", false);
}

}  // namespace

Settings ReadMonitorSettings(const ProfileText& file) {
    Settings s;
    ReadCommon(file, s);
    s.onecopy = ReadBool(file, kMain, "onecopy", true);
    const std::uint8_t mode = static_cast<std::uint8_t>(ReadInteger(file, kMain, "mode", 2));
    s.mode = mode == 1 ? 1 : 2;
    s.infoshow = ReadInteger(file, kMain, "infoshow", 1000);
    s.infohide = ReadInteger(file, kMain, "infohide", 5000);
    s.x = ReadInteger(file, kMain, "x", 100);
    s.y = ReadInteger(file, kMain, "y", 100);
    s.snapvalue = ReadClamped(file, kMain, "snapvalue", 8, 1, 64);
    for (std::size_t i = 0; i < kIndicators.size(); ++i) {
        IndicatorSettings& indicator = s.indicators[i];
        const auto type = static_cast<std::uint8_t>(ReadInteger(file, kIndicators[i], "type", 1));
        indicator.type = std::clamp<std::uint8_t>(type, 1, 16);
        indicator.time = ReadInterval(file, kIndicators[i], "time", 500);
        indicator.visible = ReadBool(file, kIndicators[i], "visible", true);
    }
    s.visible = ReadBool(file, kMain, "visible", true);
    // Above 4 is the processor icon; below 0 is no icon, so the window stays reachable.
    const std::int32_t icons = ReadInteger(file, kMain, "icons", 0);
    s.icons = static_cast<std::uint8_t>(icons > 4 ? 1 : std::max(icons, 0));
    if (s.icons == 0) {
        s.visible = true;  // without a tray icon the window is the only way to the program
    }
    return s;
}

Settings ReadSettingsProgramSettings(const ProfileText& file) {
    static constexpr std::array<std::uint8_t, 3> kTypes = {1, 7, 11};
    static constexpr std::array<std::int32_t, 3> kTimes = {500, 1000, 2000};
    static constexpr std::array<bool, 3> kVisible = {true, true, false};
    Settings s;
    ReadCommon(file, s);
    s.onecopy = ReadBool(file, kMain, "onecopy", false);
    s.mode = ReadInteger(file, kMain, "mode", 2) == 1 ? 1 : 2;
    s.infoshow = ReadInterval(file, kMain, "infoshow", 1000);
    s.infohide = ReadInterval(file, kMain, "infohide", 5000);
    s.snapvalue = ReadClamped(file, kMain, "snapvalue", 8, 1, 50);
    for (std::size_t i = 0; i < kIndicators.size(); ++i) {
        IndicatorSettings& indicator = s.indicators[i];
        indicator.type =
            static_cast<std::uint8_t>(ReadClamped(file, kIndicators[i], "type", kTypes[i], 1, 16));
        indicator.time = ReadInterval(file, kIndicators[i], "time", kTimes[i]);
        indicator.visible = ReadBool(file, kIndicators[i], "visible", kVisible[i]);
    }
    const std::int32_t icons = ReadInteger(file, kMain, "icons", 0);
    s.icons = static_cast<std::uint8_t>(icons >= 1 && icons <= 4 ? icons : 0);
    return s;
}

void WriteCloseTimeSettings(ProfileText& file, const Settings& s) {
    WriteInteger(file, kMain, "mode", s.mode);
    WriteBool(file, kMain, "onecopy", s.onecopy);
    WriteBool(file, kSkins, "random", s.random);
    WriteString(file, kSkins, "active", s.active);
    WriteBool(file, kMain, "info", s.info);
    WriteBool(file, kMain, "lowprior", s.lowprior);
    WriteBool(file, kMain, "visible", s.visible);
    WriteBool(file, kMain, "autorun", s.autorun);
    WriteInteger(file, kMain, "x", s.x);
    WriteInteger(file, kMain, "y", s.y);
    WriteBool(file, kMain, "popup", s.popup);
    WriteBool(file, kMain, "bolt", s.bolt);
    WriteBool(file, kMain, "snap", s.snap);
    WriteInteger(file, kMain, "transparent", s.transparent);
    for (std::size_t i = 0; i < kIndicators.size(); ++i) {
        WriteInteger(file, kIndicators[i], "type", s.indicators[i].type);
        WriteBool(file, kIndicators[i], "visible", s.indicators[i].visible);
    }
    WriteInteger(file, kMain, "icons", s.icons);
}

void WriteAllSettings(ProfileText& file, const Settings& s, bool hasSkins) {
    WriteBool(file, kMain, "popup", s.popup);
    WriteBool(file, kMain, "snap", s.snap);
    WriteInteger(file, kMain, "snapvalue", s.snapvalue);
    WriteInteger(file, kMain, "transparent", s.transparent);
    WriteInteger(file, kMain, "mode", s.mode == 1 ? 1 : 2);
    WriteBool(file, kMain, "bolt", s.bolt);
    WriteBool(file, kMain, "info", s.info);
    WriteInteger(file, kMain, "infoshow", s.infoshow);
    WriteInteger(file, kMain, "infohide", s.infohide);
    if (hasSkins) {
        WriteString(file, kSkins, "active", s.active);
    }
    WriteString(file, kSkins, "skinpath", s.skinpath);
    WriteBool(file, kSkins, "random", s.random);
    for (std::size_t i = 0; i < kIndicators.size(); ++i) {
        WriteInteger(file, kIndicators[i], "type", s.indicators[i].type);
        WriteInteger(file, kIndicators[i], "time", s.indicators[i].time);
        WriteBool(file, kIndicators[i], "visible", s.indicators[i].visible);
    }
    WriteBool(file, kMain, "onecopy", s.onecopy);
    WriteBool(file, kMain, "autorun", s.autorun);
    WriteInteger(file, kMain, "icons", s.icons);
    WriteInteger(file, kMain, "iconstime", s.iconstime);
    WriteBool(file, kMain, "lowprior", s.lowprior);
}

void SaveOpt(const std::string& path, const Settings& settings) {
    UpdateProfile(path, [&](ProfileText& file) { WriteCloseTimeSettings(file, settings); });
}

void SaveOptions(const std::string& path, const Settings& settings, bool hasSkins) {
    UpdateProfile(path, [&](ProfileText& file) { WriteAllSettings(file, settings, hasSkins); });
}

int OpacityForTransparency(std::int32_t percent) {
    return static_cast<int>(RoundHalfEven((100 - percent) * 255.0L / 100));
}

}  // namespace tarnwick
