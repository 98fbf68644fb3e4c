#include "common/settings.h"

#include "common/numbers.h"
#include "common/profile_file.h"

namespace tarnwick {

namespace {

// Reads a key into a field of the record, when the program reads it at all. The numbers
// that fit in a byte after their fit go into the record's one-byte fields.
template <typename T, typename Field>
void ReadInto(const ProfileText& file, const SettingKey<T>& key, Program program, Field& field) {
    if (Reads(program, key.owner)) {
        field = static_cast<Field>(Read(file, key, program));
    }
}

Settings ReadAs(const ProfileText& file, Program program) {
    using namespace setting;
    Settings s;
    ReadInto(file, kOneCopy, program, s.onecopy);
    ReadInto(file, kMode, program, s.mode);
    ReadInto(file, kAutorun, program, s.autorun);
    ReadInto(file, kInfo, program, s.info);
    ReadInto(file, kInfoShow, program, s.infoshow);
    ReadInto(file, kInfoHide, program, s.infohide);
    ReadInto(file, kBolt, program, s.bolt);
    ReadInto(file, kLowPrior, program, s.lowprior);
    ReadInto(file, kX, program, s.x);
    ReadInto(file, kY, program, s.y);
    ReadInto(file, kPopup, program, s.popup);
    ReadInto(file, kSnap, program, s.snap);
    ReadInto(file, kSnapValue, program, s.snapvalue);
    ReadInto(file, kTransparent, program, s.transparent);
    ReadInto(file, kVisible, program, s.visible);
    ReadInto(file, kIcons, program, s.icons);
    ReadInto(file, kIconsTime, program, s.iconstime);
    ReadInto(file, kSkinPath, program, s.skinpath);
    ReadInto(file, kActive, program, s.active);
    ReadInto(file, kRandom, program, s.random);
    for (std::size_t i = 0; i < s.indicators.size(); ++i) {
        IndicatorSettings& indicator = s.indicators[i];
        ReadInto(file, kType[i], program, indicator.type);
        ReadInto(file, kTime[i], program, indicator.time);
        ReadInto(file, kTextShowing[i], program, indicator.visible);
    }
    return s;
}

}  // namespace

Settings ReadMonitorSettings(const ProfileText& file) {
    Settings s = ReadAs(file, Program::Monitor);
    if (s.Tray() == TrayMeasure::None) {
        s.visible = true;  // without a tray icon the window is the only way to the program
    }
    return s;
}

Settings ReadSettingsProgramSettings(const ProfileText& file) {
    return ReadAs(file, Program::SettingsProgram);
}

bool OneCopyAtStart(const ProfileText& file) {
    return Read(file, setting::kOneCopyAtStart, Program::Monitor);
}

void WriteCloseTimeSettings(ProfileText& file, const Settings& s) {
    using namespace setting;
    Write(file, kMode, s.mode);
    Write(file, kOneCopy, s.onecopy);
    Write(file, kRandom, s.random);
    Write(file, kActive, s.active);
    Write(file, kInfo, s.info);
    Write(file, kLowPrior, s.lowprior);
    Write(file, kVisible, s.visible);
    Write(file, kAutorun, s.autorun);
    Write(file, kX, s.x);
    Write(file, kY, s.y);
    Write(file, kPopup, s.popup);
    Write(file, kBolt, s.bolt);
    Write(file, kSnap, s.snap);
    Write(file, kTransparent, s.transparent);
    for (std::size_t i = 0; i < s.indicators.size(); ++i) {
        Write(file, kType[i], s.indicators[i].type);
        Write(file, kTextShowing[i], s.indicators[i].visible);
    }
    Write(file, kIcons, s.icons);
}

void WriteAllSettings(ProfileText& file, const Settings& s, bool hasSkins) {
    using namespace setting;
    Write(file, kPopup, s.popup);
    Write(file, kSnap, s.snap);
    Write(file, kSnapValue, s.snapvalue);
    Write(file, kTransparent, s.transparent);
    Write(file, kMode, NumberOf(s.Mode()));  // 1 or 2, whatever the record held
    Write(file, kBolt, s.bolt);
    Write(file, kInfo, s.info);
    Write(file, kInfoShow, s.infoshow);
    Write(file, kInfoHide, s.infohide);
    if (hasSkins) {
        Write(file, kActive, s.active);
    }
    Write(file, kSkinPath, s.skinpath);
    Write(file, kRandom, s.random);
    for (std::size_t i = 0; i < s.indicators.size(); ++i) {
        Write(file, kType[i], s.indicators[i].type);
        Write(file, kTime[i], s.indicators[i].time);
        Write(file, kTextShowing[i], s.indicators[i].visible);
    }
    Write(file, kOneCopy, s.onecopy);
    Write(file, kAutorun, s.autorun);
    Write(file, kIcons, s.icons);
    Write(file, kIconsTime, s.iconstime);
    Write(file, kLowPrior, s.lowprior);
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
