#include "settings/skin/step_checks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "common/skin/colors.h"
#include "common/skin/skin.h"
#include "settings/skin/tray_strip.h"

namespace tarnwick::cfg {
namespace {

// The skin editor's texts are translated in one context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SkinEditor)
};

bool IsExistingFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString NotValid() {
    return Text::tr("Bitmap image is not valid");
}

IconsCheck Refuse(const QString& message) {
    return IconsCheck{message, QImage()};
}

IconsCheck CheckOpenedIcons(const SkinDraft& draft) {
    const QString path = ResolvePath(draft.iconsFile, draft.loadedFolder);
    if (!IsExistingFile(path)) {
        return Refuse(Text::tr("Specify a file of icons!"));
    }
    const QImage picture = LoadBitmap(path);
    if (picture.isNull()) {
        return Refuse(NotValid());
    }
    if (picture.width() != kTrayStripWidth || picture.height() != kTrayStripHeight) {
        return Refuse(Text::tr("The image of icons should have the sizes 1616 x 16 pixels!"));
    }
    return IconsCheck{};
}

IconsCheck BuildIcons(const SkinDraft& draft) {
    if (draft.iconsDir.isEmpty()) {
        return Refuse(Text::tr("The folder with pictures of digits is not specified!"));
    }
    const QDir folder(draft.iconsDir);
    for (int i = 0; i < 11; ++i) {
        if (!IsExistingFile(folder.filePath(DigitPictureName(i)))) {
            return Refuse(Text::tr("The file %1 is not found!").arg(DigitPictureName(i)));
        }
    }
    if (draft.iconsName.isEmpty()) {
        return Refuse(Text::tr("The filename is not specified!"));
    }
    DigitPictures digits;
    for (int i = 0; i < 11; ++i) {
        digits[i] = LoadBitmap(folder.filePath(DigitPictureName(i)));
        if (digits[i].isNull()) {
            return Refuse(NotValid());
        }
        // The strip takes the left part of each picture; a smaller one would leave a hole.
        const int width = i < 10 ? 8 : 16;
        if (digits[i].width() < width || digits[i].height() < 16) {
            return Refuse(Text::tr("The picture %1 is smaller than %2 x 16 pixels!")
                              .arg(DigitPictureName(i))
                              .arg(width));
        }
    }
    const QImage strip = BuildIconsStrip(digits, ColorOfValue(draft.iconsGround, Qt::white));
    return IconsCheck{std::nullopt, ConvertToDepth(strip, draft.iconsDepth)};
}

}  // namespace

std::optional<QString> CheckCreation(const SkinDraft& draft) {
    if (draft.modifyExisting && !IsExistingFile(draft.existing)) {
        return Text::tr("Specify an existing skin!");
    }
    return std::nullopt;
}

std::optional<QString> CheckPicture(const IndicatorDraft& indicator, const QString& loadedFolder) {
    if (indicator.graphic && !IsExistingFile(ResolvePath(indicator.picture, loadedFolder))) {
        return Text::tr("Specify a file of the image!");
    }
    return std::nullopt;
}

IconsCheck CheckIcons(const SkinDraft& draft) {
    switch (draft.iconsWay) {
        case IconsWay::Standard:
            return IconsCheck{};
        case IconsWay::Open:
            return CheckOpenedIcons(draft);
        case IconsWay::Create:
            break;
    }
    return BuildIcons(draft);
}

std::optional<QString> CheckSave(const SkinDraft& draft) {
    if (draft.name.isEmpty()) {
        return Text::tr("Specify the title of a skin!");
    }
    if (draft.file.isEmpty()) {
        return Text::tr("Specify a file for saving!");
    }
    return std::nullopt;
}

QString WithSkinExtension(const QString& chosen) {
    const QString name = QFileInfo(chosen).fileName();
    const int dot = name.lastIndexOf(u'.');
    if (dot >= 0 && name.mid(dot) == QLatin1String(".skin")) {
        return chosen;
    }
    return chosen + QStringLiteral(".skin");
}

}  // namespace tarnwick::cfg
