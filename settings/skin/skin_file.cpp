#include "settings/skin/skin_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <string>

#include "common/errors.h"
#include "common/profile.h"
#include "common/profile_file.h"
#include "common/skin/skin.h"
#include "common/skin/skin_format.h"
#include "platform/files.h"
#include "settings/skin/bmp_writer.h"

namespace tarnwick::cfg {
namespace {

using namespace skinkey;

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The stored value of a colour text; a text that is neither a name nor a number stops the load.
ColorValue ColorValueOf(const QString& text) {
    const std::optional<ColorValue> value = ParseColorValue(text);
    if (!value) {
        throw ConvertError(text.toStdString());
    }
    return *value;
}

// In the order of the file, so that a colour that stops the load leaves what came before.
void ReadIndicator(const SkinIndicatorKeys& keys, int index, IndicatorDraft& ind) {
    ind.x1 = keys.x1;
    ind.y1 = keys.y1;
    ind.x2 = keys.x2;
    ind.y2 = keys.y2;
    ind.font.name = keys.fontName;
    ind.fontColor = ColorValueOf(keys.fontColor);
    ind.font.pointSize = keys.fontSize;
    ApplyFontStyle(ind.font, keys.fontStyle);
    ind.graphic = keys.graphic;
    if (ind.graphic) {
        ind.picture = keys.picture;
    } else {
        ind.ground = ColorValueOf(keys.ground);
        ind.progress = ColorValueOf(keys.progress);
    }
    ind.secondItem = index < 2 ? keys.vertical : keys.downward;
    ind.textAngle = keys.textAngle;
}

// The lines of the description; a last empty line is not one.
QStringList InfoLines(const QString& info) {
    QStringList lines = info.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

std::string LineKey(int number) {
    return kLinePrefix + std::to_string(number);
}

// Removes "line1" .. "line<count>" of [info], looking only at the keys that are there.
void RemoveOldLines(ProfileText& file) {
    const std::int32_t count =
        ReadInteger(file, kOldCount.section, kOldCount.name, kOldCount.editor.fallback);
    const std::string prefix = kLinePrefix;
    for (const std::string& key : file.Keys(kInfo)) {
        if (key.size() <= prefix.size() ||
            QString::fromStdString(key.substr(0, prefix.size())).toLower() !=
                QLatin1String(kLinePrefix)) {
            continue;
        }
        const std::string digits = key.substr(prefix.size());
        bool ok = false;
        const int number = QString::fromStdString(digits).toInt(&ok);
        if (ok && number >= 1 && number <= count &&
            digits.find_first_not_of("0123456789") == std::string::npos) {
            file.RemoveKey(kInfo, key);
        }
    }
}

QString IconsValue(const SkinDraft& draft) {
    switch (draft.iconsWay) {
        case IconsWay::Open:
            return QFileInfo(draft.iconsFile).fileName();
        case IconsWay::Create:
            return draft.iconsName + QStringLiteral(".bmp");
        case IconsWay::Standard:
            break;
    }
    return QString();
}

void WriteColor(ProfileText& file, const SkinText& key, ColorValue value) {
    Write(file, key, ColorToText(value));
}

void WriteSkinKeys(ProfileText& file, const SkinDraft& draft) {
    Write(file, kName, draft.name);
    Write(file, kAuthor, draft.author);
    Write(file, kProgramVersion, QLatin1String(kMadeForVersion));

    RemoveOldLines(file);
    const QStringList lines = InfoLines(draft.info);
    Write(file, kCount, static_cast<std::int32_t>(lines.size()));
    for (int i = 0; i < lines.size(); ++i) {
        WriteString(file, kInfo, LineKey(i + 1), lines[i].toStdString());
    }

    Write(file, kWidth, draft.width);
    Write(file, kHeight, draft.height);
    WriteColor(file, kBackground, draft.background);
    Write(file, kTransparent, draft.transparent);
    WriteColor(file, kTransparentColor, draft.transparentColor);

    for (std::size_t i = 0; i < draft.indicators.size(); ++i) {
        const char* section = kIndicatorSections[i];
        const IndicatorDraft& ind = draft.indicators[i];
        Write(file, kX1.In(section), ind.x1);
        Write(file, kY1.In(section), ind.y1);
        Write(file, kX2.In(section), ind.x2);
        Write(file, kY2.In(section), ind.y2);
        Write(file, kFontName.In(section), ind.font.name);
        WriteColor(file, kFontColor.In(section), ind.fontColor);
        Write(file, kFontSize.In(section), ind.font.pointSize);
        Write(file, kFontStyle.In(section), FontStyleToSkinText(ind.font));
        Write(file, kGraphic.In(section), ind.graphic);
        if (ind.graphic) {
            Write(file, kPicture.In(section), QFileInfo(ind.picture).fileName());
        } else {
            WriteColor(file, kGround.In(section), ind.ground);
            WriteColor(file, kProgress.In(section), ind.progress);
        }
        if (i < 2) {
            Write(file, kOrientation.In(section),
                  QLatin1String(ind.secondItem ? kVertical : kHorizontal));
        } else {
            Write(file, kDirection.In(section), QLatin1String(ind.secondItem ? kDown : kUp));
        }
        Write(file, kTextAngle.In(section), ind.textAngle);
    }
    Write(file, kIcons, IconsValue(draft));
}

}  // namespace

QString ResolvePath(const QString& name, const QString& loadedFolder) {
    if (name.isEmpty() || QFileInfo(name).isAbsolute()) {
        return name;
    }
    const QString folder = loadedFolder.isEmpty() ? QDir::currentPath() : loadedFolder;
    return QDir(folder).filePath(name);
}

void LoadSkin(const QString& path, SkinDraft& draft) {
    const SkinKeys keys = ReadSkinKeys(LoadProfile(Native(path)), SkinReader::Editor);
    draft.loadedFolder = QFileInfo(path).absolutePath();
    draft.name = keys.name;
    draft.author = keys.author;
    draft.info = keys.info.join(u'\n');
    draft.width = keys.width;
    draft.height = keys.height;
    draft.background = ColorValueOf(keys.background);
    draft.transparent = keys.transparent;
    draft.transparentColor = ColorValueOf(keys.transparentColor);
    if (keys.icons.isEmpty()) {
        draft.iconsWay = IconsWay::Standard;
    } else {
        draft.iconsWay = IconsWay::Open;
        draft.iconsFile = keys.icons;
    }
    for (std::size_t i = 0; i < draft.indicators.size(); ++i) {
        ReadIndicator(keys.indicators[i], static_cast<int>(i), draft.indicators[i]);
    }
}

QString IconsBitmapPath(const SkinDraft& draft) {
    return QFileInfo(draft.file).absolutePath() + u'/' + draft.iconsName + QStringLiteral(".bmp");
}

void SaveSkin(const SkinDraft& draft, const QImage& iconsBitmap) {
    if (draft.iconsWay == IconsWay::Create) {
        const std::string picture = Native(IconsBitmapPath(draft));
        const QByteArray bytes = EncodeBmp(iconsBitmap);
        if (bytes.isEmpty() || !platform::ReplaceFileAtomically(
                                   picture, std::string_view(bytes.constData(), bytes.size()))) {
            throw WriteError(picture);
        }
    }
    UpdateProfile(Native(draft.file), [&](ProfileText& file) { WriteSkinKeys(file, draft); });
}

}  // namespace tarnwick::cfg
