#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/domain.h"
#include "common/number_fit.h"

// The keys of the settings file tarnwick.cfg, once: where each stands, what it holds, how
// each program reads it and who writes it. The readers and writers of both programs name the
// keys only through this table.
namespace tarnwick {

// The two readers. Where a key's defaults or clamps differ between them, its row shows both.
enum class Program { Monitor, SettingsProgram };

// Who stores the key. The settings program neither reads nor writes the monitor's own keys;
// the monitor reads the settings program's keys but never writes them.
enum class Owner { Both, Monitor, SettingsProgram };

// One key; T is the type of its value: bool, std::int32_t or std::string.
template <typename T>
struct SettingKey {
    const char* section;
    const char* name;
    Reading monitor;
    Reading program;
    Owner owner = Owner::Both;
};
using BoolKey = SettingKey<bool>;
using IntegerKey = SettingKey<std::int32_t>;
using StringKey = SettingKey<std::string>;

class ProfileText;

// Whether a program reads a key at all.
constexpr bool Reads(Program program, Owner owner) {
    return program == Program::Monitor || owner != Owner::Monitor;
}

// A key as a program reads it: its default for a missing key or a text that is no number,
// and its fit for a number.
bool Read(const ProfileText& file, const BoolKey& key, Program program);
std::int32_t Read(const ProfileText& file, const IntegerKey& key, Program program);
std::string Read(const ProfileText& file, const StringKey& key, Program program);

void Write(ProfileText& file, const BoolKey& key, bool value);
void Write(ProfileText& file, const IntegerKey& key, std::int32_t value);
void Write(ProfileText& file, const StringKey& key, std::string_view value);

namespace setting {

inline constexpr char kMain[] = "main";
inline constexpr char kSkins[] = "skins";

// Every update interval, in milliseconds.
constexpr Reading Interval(std::int32_t fallback) {
    return {fallback, Fit::Clamp, 100, 30000};
}

// clang-format off
//                                          section  name           monitor                          settings program              owner: both unless named
inline constexpr BoolKey    kOneCopy        {kMain,  "onecopy",     {1},                             {0}};
// The monitor's one-copy test at start-up reads the same key with the default 0.
inline constexpr BoolKey    kOneCopyAtStart {kMain,  kOneCopy.name, {0},                             {0},                          Owner::Monitor};
inline constexpr IntegerKey kMode           {kMain,  "mode",        {2, Fit::ByteElseDefault, 1, 2}, {2, Fit::ElseDefault, 1, 2}};
inline constexpr BoolKey    kAutorun        {kMain,  "autorun",     {0},                             {0}};
inline constexpr BoolKey    kInfo           {kMain,  "info",        {0},                             {0}};
// The settings program clamps the hint's delays; the monitor takes them as they are.
inline constexpr IntegerKey kInfoShow       {kMain,  "infoshow",    {1000},                          Interval(1000),               Owner::SettingsProgram};
inline constexpr IntegerKey kInfoHide       {kMain,  "infohide",    {5000},                          Interval(5000),               Owner::SettingsProgram};
inline constexpr BoolKey    kBolt           {kMain,  "bolt",        {0},                             {0}};
inline constexpr BoolKey    kLowPrior       {kMain,  "lowprior",    {0},                             {0}};
inline constexpr IntegerKey kX              {kMain,  "x",           {100},                           {},                           Owner::Monitor};
inline constexpr IntegerKey kY              {kMain,  "y",           {100},                           {},                           Owner::Monitor};
inline constexpr BoolKey    kPopup          {kMain,  "popup",       {1},                             {1}};
inline constexpr BoolKey    kSnap           {kMain,  "snap",        {1},                             {1}};
inline constexpr IntegerKey kSnapValue      {kMain,  "snapvalue",   {8, Fit::Clamp, 1, 64},          {8, Fit::Clamp, 1, 50},       Owner::SettingsProgram};
inline constexpr IntegerKey kTransparent    {kMain,  "transparent", {0, Fit::Clamp, 0, 90},          {0, Fit::Clamp, 0, 90}};
inline constexpr BoolKey    kVisible        {kMain,  "visible",     {1},                             {},                           Owner::Monitor};
// The monitor shows the processor for a tray icon beyond the last, the settings program none.
inline constexpr IntegerKey kIcons          {kMain,  "icons",       {0, Fit::AboveIsOne, 0, 4},      {0, Fit::ElseDefault, 0, 4}};
inline constexpr IntegerKey kIconsTime      {kMain,  "iconstime",   Interval(500),                   Interval(500)};

inline constexpr StringKey  kSkinPath       {kSkins, "skinpath",    {},                              {}};
inline constexpr StringKey  kActive         {kSkins, "active",      {},                              {}};
inline constexpr BoolKey    kRandom         {kSkins, "random",      {0},                             {0}};
// clang-format on

// Indicator 1, indicator 2 and the diagram; the settings program starts each with another
// measure, interval and text showing.
constexpr IntegerKey TypeKey(std::size_t indicator, std::int32_t programDefault) {
    return {kIndicatorSections[indicator],
            "type",
            {1, Fit::ByteThenClamp, 1, 16},
            {programDefault, Fit::Clamp, 1, 16}};
}
constexpr IntegerKey TimeKey(std::size_t indicator, std::int32_t programDefault) {
    return {kIndicatorSections[indicator], "time", Interval(500), Interval(programDefault)};
}
constexpr BoolKey TextKey(std::size_t indicator, std::int32_t programDefault) {
    return {kIndicatorSections[indicator], "visible", {1}, {programDefault}};
}
inline constexpr std::array<IntegerKey, 3> kType = {TypeKey(0, 1), TypeKey(1, 7), TypeKey(2, 11)};
inline constexpr std::array<IntegerKey, 3> kTime = {TimeKey(0, 500), TimeKey(1, 1000),
                                                    TimeKey(2, 2000)};
inline constexpr std::array<BoolKey, 3> kTextShowing = {TextKey(0, 1), TextKey(1, 1),
                                                        TextKey(2, 0)};

}  // namespace setting

}  // namespace tarnwick
