#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

#include "common/domain.h"
#include "common/number_fit.h"
#include "common/skin/colors.h"
#include "common/skin/look.h"

// The skin file, once: its keys with their defaults and ranges, the one reader that the
// monitor, the settings window's skin list and the skin editor share, and the words that
// stand in its values. The skin editor's writer names the keys through this table too.
namespace tarnwick {

class ProfileText;

// The monitor and the settings window read a skin to show it; the skin editor reads it to
// change it and starts a few keys elsewhere.
enum class SkinReader { Viewer, Editor };

// A key whose value is text: a string or a colour ("clBlack", "$00C080FF").
struct SkinText {
    const char* section;  // nullptr for a key of every indicator section
    const char* name;
    const char* viewer;  // the defaults
    const char* editor;
    // The key in one indicator's section.
    constexpr SkinText In(const char* indicatorSection) const {
        return {indicatorSection, name, viewer, editor};
    }
};

// A key whose value is an integer, or a truth value (0 or 1).
struct SkinNumber {
    const char* section;
    const char* name;
    Reading viewer;
    Reading editor;
    constexpr SkinNumber In(const char* indicatorSection) const {
        return {indicatorSection, name, viewer, editor};
    }
};

// A description longer than this is not a description; a garbage count must not make a
// reader look for two thousand million keys.
inline constexpr std::int32_t kMaxInfoLines = 1000;
// The largest picture side we accept: anything bigger is not a picture for a window of a few
// dozen pixels, and decoding it could take most of the memory. No window is larger either.
inline constexpr int kMaxPictureSide = 4096;

namespace skinkey {

inline constexpr char kSkin[] = "skin";
inline constexpr char kInfo[] = "info";
inline constexpr char kWindow[] = "window";

// The version the skin editor writes into its skins, and the one a skin without it is taken
// to be made for.
inline constexpr char kMadeForVersion[] = "3.0";

// The words of [indicatorN] orientation and direction, and the prefix of the description lines.
inline constexpr char kHorizontal[] = "horizontal";
inline constexpr char kVertical[] = "vertical";
inline constexpr char kUp[] = "up";
inline constexpr char kDown[] = "down";
inline constexpr char kLinePrefix[] = "line";  // [info] line1, line2, ...

// clang-format off
//                                            section   name                viewer                               editor
inline constexpr SkinText   kName             {kSkin,   "name",             "",                                  "Skin"};
inline constexpr SkinText   kAuthor           {kSkin,   "author",           "",                                  ""};
inline constexpr SkinText   kProgramVersion   {kSkin,   "programversion",   kMadeForVersion,                     kMadeForVersion};
inline constexpr SkinNumber kCount            {kInfo,   "count",            {1, Fit::Clamp, 0, kMaxInfoLines},   {1, Fit::Clamp, 0, kMaxInfoLines}};
// The editor's save removes "line1" .. the old count, a missing count being none.
inline constexpr SkinNumber kOldCount         {kInfo,   kCount.name,        {0},                                 {0}};
// The monitor keeps its window between one pixel and the largest picture.
inline constexpr SkinNumber kWidth            {kWindow, "width",            {1, Fit::Clamp, 1, kMaxPictureSide}, {1}};
inline constexpr SkinNumber kHeight           {kWindow, "height",           {1, Fit::Clamp, 1, kMaxPictureSide}, {1}};
inline constexpr SkinText   kBackground       {kWindow, "background",       "clBlack",                           "clBlack"};
inline constexpr SkinNumber kTransparent      {kWindow, "transparent",      {0},                                 {0}};
inline constexpr SkinText   kTransparentColor {kWindow, "transparentcolor", "clBlack",                           "clBlack"};
inline constexpr SkinText   kIcons            {kWindow, "icons",            "",                                  ""};

// The keys of [indicator1], [indicator2] and [indicator3] (the diagram).
inline constexpr SkinNumber kX1               {nullptr, "x1",               {1},                                 {1}};
inline constexpr SkinNumber kY1               {nullptr, "y1",               {1},                                 {1}};
inline constexpr SkinNumber kX2               {nullptr, "x2",               {1},                                 {1}};
inline constexpr SkinNumber kY2               {nullptr, "y2",               {1},                                 {1}};
inline constexpr SkinText   kFontName         {nullptr, "font-name",        "Arial",                             "Arial"};
inline constexpr SkinText   kFontColor        {nullptr, "font-color",       "clBlack",                           "clBlack"};
inline constexpr SkinNumber kFontSize         {nullptr, "font-size",        {9},                                 {9}};
inline constexpr SkinText   kFontStyle        {nullptr, "font-style",       "",                                  ""};
inline constexpr SkinNumber kGraphic          {nullptr, "graphic",          {0},                                 {0}};
inline constexpr SkinText   kPicture          {nullptr, "picture",          "",                                  ""};
inline constexpr SkinText   kGround           {nullptr, "ground",           "clYellow",                          "clYellow"};
inline constexpr SkinText   kProgress         {nullptr, "progress",         "clRed",                             "clRed"};
// Indicators 1 and 2 only: exactly kVertical fills the gauge from the bottom.
inline constexpr SkinText   kOrientation      {nullptr, "orientation",      kHorizontal,                         kHorizontal};
// The diagram only: exactly kDown hangs its columns from the top.
inline constexpr SkinText   kDirection        {nullptr, "direction",        kUp,                                 kUp};
// 0, 90, 180 or 270 degrees; any other number is 0.
inline constexpr SkinNumber kTextAngle        {nullptr, "textangle",        {0},                                 {0}};
// clang-format on

}  // namespace skinkey

// One indicator section as read.
struct SkinIndicatorKeys {
    std::int32_t x1 = 1;
    std::int32_t y1 = 1;
    std::int32_t x2 = 1;
    std::int32_t y2 = 1;
    QString fontName;
    QString fontColor;  // a colour text
    std::int32_t fontSize = 9;
    QString fontStyle;
    bool graphic = false;
    QString picture;
    QString ground;  // colour texts
    QString progress;
    bool vertical = false;       // indicators 1 and 2: the gauge fills from the bottom
    bool downward = false;       // the diagram: its columns hang from the top
    std::int32_t textAngle = 0;  // 0, 90, 180 or 270
};

// Every key of a skin file as one reader reads it, missing keys at that reader's defaults.
// Colours stay text: the monitor takes an unreadable one as its default, the editor refuses it.
struct SkinKeys {
    QString name;
    QString author;
    QString programVersion;
    QStringList info;  // the description lines, [info] count of them
    std::int32_t width = 1;
    std::int32_t height = 1;
    QString background;
    bool transparent = false;
    QString transparentColor;
    QString icons;
    std::array<SkinIndicatorKeys, 3> indicators;
};

SkinKeys ReadSkinKeys(const ProfileText& file, SkinReader reader);

// The colour of a colour text as the monitor shows it: the key's default for a text it cannot
// read.
QColor ColorOfKey(const QString& text, const SkinText& key);

// Sets the four styles from the words "bold", "italic", "underline" and "strikeout" found
// anywhere in the text, with regard to case ("bolditalic" is bold and italic, "Bold" plain).
void ApplyFontStyle(FontSpec& font, const QString& style);
// The style words of a font the way the skin editor writes them: "bold italic", "" for plain.
QString FontStyleToSkinText(const FontSpec& font);

// The editor's writes, by the same keys.
void Write(ProfileText& file, const SkinText& key, const QString& value);
void Write(ProfileText& file, const SkinNumber& key, std::int32_t value);
void Write(ProfileText& file, const SkinNumber& key, bool value);

}  // namespace tarnwick
