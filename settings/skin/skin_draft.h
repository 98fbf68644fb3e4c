#pragma once

#include <QString>

#include <array>

#include "common/skin/colors.h"
#include "common/skin/look.h"

namespace tarnwick::cfg {

inline constexpr ColorValue kWhiteValue = 0x00FFFFFFu;

// The three ways of step 6 to give the tray-icons picture.
enum class IconsWay {
    Create,    // rbIconsNew: build it from the eleven digit pictures
    Open,      // rbIconsOld: a finished strip
    Standard,  // rbIconsBuilt: the monitor's own strip
};

// What the wizard holds for one indicator place (indicator 1, 2 or the diagram).
struct IndicatorDraft {
    int x1 = 0;
    int y1 = 0;
    int x2 = 1;
    int y2 = 1;
    // Face, size in points and styles; the colour is fontColor, which may be a system colour.
    FontSpec font{QStringLiteral("Tahoma"), 10};
    ColorValue fontColor = kWindowTextColor;
    bool graphic = false;
    QString picture;  // a full path, or the bare name a loaded skin gave
    ColorValue ground = kWhiteValue;
    ColorValue progress = kWhiteValue;
    // The second item of cmOrient_N ("Vertical") or of cmDirection ("from top to down").
    bool secondItem = false;
    int textAngle = 0;  // 0, 90, 180 or 270
};

// Every value of the wizard's seven steps; the window shows one and collects one.
struct SkinDraft {
    // Step 1
    bool modifyExisting = false;
    QString existing;
    // The folder of the last skin loaded: bare picture names are looked for there.
    QString loadedFolder;
    // Step 2
    int width = 1;
    int height = 1;
    ColorValue background = kWhiteValue;
    bool transparent = false;
    ColorValue transparentColor = kWhiteValue;
    // Steps 3 to 5
    std::array<IndicatorDraft, 3> indicators;
    // Step 6
    IconsWay iconsWay = IconsWay::Create;
    QString iconsDir;
    ColorValue iconsGround = kWhiteValue;
    int iconsDepth = 24;  // bits per pixel: 24, 16, 8 or 4
    QString iconsName = QStringLiteral("icons");
    QString iconsFile;
    // Step 7
    QString name;
    QString author;
    QString info;  // the description, lines separated by "\n"
    QString file;
};

// A name the user or a skin gave: a full path as it is, a bare name in the folder of the
// loaded skin (or the current folder when none was loaded).
QString ResolvePath(const QString& name, const QString& loadedFolder);

}  // namespace tarnwick::cfg
