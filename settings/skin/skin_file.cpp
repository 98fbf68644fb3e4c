#include "settings/skin/skin_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <string>

#include "common/errors.h"
#include "common/profile.h"
#include "common/profile_file.h"
#include "common/skin/skin.h"
#include "platform/files.h"
#include "settings/skin/bmp_writer.h"

namespace tarnwick::cfg {
namespace {

constexpr const char* kSections[] = {"indicator1", "indicator2", "indicator3"};

// A description longer than this is not a description; a garbage count must not make the
// editor read two billion keys.
constexpr int kMaxInfoLines = 1000;

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

std::string Utf8(const QString& text) {
    return text.toStdString();
}

QString ReadText(const ProfileText& file, const char* section, const char* key,
                 const char* fallback) {
    return QString::fromStdString(ReadString(file, section, key, fallback));
}

ColorValue ReadColorValue(const ProfileText& file, const char* section, const char* key,
                          const char* fallback) {
    const QString text = ReadText(file, section, key, fallback);
    const std::optional<ColorValue> value = ParseColorValue(text);
    if (!value) {
        throw ConvertError(Utf8(text));
    }
    return *value;
}

void ReadIndicator(const ProfileText& file, int index, IndicatorDraft& ind) {
    const char* section = kSections[index];
    ind.x1 = ReadInteger(file, section, "x1", 1);
    ind.y1 = ReadInteger(file, section, "y1", 1);
    ind.x2 = ReadInteger(file, section, "x2", 1);
    ind.y2 = ReadInteger(file, section, "y2", 1);
    ind.font.name = ReadText(file, section, "font-name", "Arial");
    ind.fontColor = ReadColorValue(file, section, "font-color", "clBlack");
    ind.font.pointSize = ReadInteger(file, section, "font-size", 9);
    ApplyFontStyle(ind.font, ReadText(file, section, "font-style", ""));
    ind.graphic = ReadBool(file, section, "graphic", false);
    if (ind.graphic) {
        ind.picture = ReadText(file, section, "picture", "");
    } else {
        ind.ground = ReadColorValue(file, section, "ground", "clYellow");
        ind.progress = ReadColorValue(file, section, "progress", "clRed");
    }
    if (index < 2) {
        ind.secondItem = ReadText(file, section, "orientation", "horizontal") == "vertical";
    } else {
        ind.secondItem = ReadText(file, section, "direction", "up") == "down";
    }
    const int angle = ReadInteger(file, section, "textangle", 0);
    ind.textAngle = angle == 90 || angle == 180 || angle == 270 ? angle : 0;
}

// The lines of the description; a last empty line is not one.
QStringList InfoLines(const QString& info) {
    QStringList lines = info.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

// Removes "line1" .. "line<count>" of [info], looking only at the keys that are there.
void RemoveOldLines(ProfileText& file) {
    const std::int32_t count = ReadInteger(file, "info", "count", 0);
    for (const std::string& key : file.Keys("info")) {
        if (key.size() <= 4 || QString::fromStdString(key.substr(0, 4)).toLower() != "line") {
            continue;
        }
        bool ok = false;
        const int number = QString::fromStdString(key.substr(4)).toInt(&ok);
        if (ok && number >= 1 && number <= count &&
            key.substr(4).find_first_not_of("0123456789") == std::string::npos) {
            file.RemoveKey("info", key);
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

void WriteColor(ProfileText& file, const char* section, const char* key, ColorValue value) {
    WriteString(file, section, key, Utf8(ColorToText(value)));
}

void WriteSkinKeys(ProfileText& file, const SkinDraft& draft) {
    WriteString(file, "skin", "name", Utf8(draft.name));
    WriteString(file, "skin", "author", Utf8(draft.author));
    WriteString(file, "skin", "programversion", "3.0");

    RemoveOldLines(file);
    const QStringList lines = InfoLines(draft.info);
    WriteInteger(file, "info", "count", static_cast<std::int32_t>(lines.size()));
    for (int i = 0; i < lines.size(); ++i) {
        WriteString(file, "info", "line" + std::to_string(i + 1), Utf8(lines[i]));
    }

    WriteInteger(file, "window", "width", draft.width);
    WriteInteger(file, "window", "height", draft.height);
    WriteColor(file, "window", "background", draft.background);
    WriteBool(file, "window", "transparent", draft.transparent);
    WriteColor(file, "window", "transparentcolor", draft.transparentColor);

    for (int i = 0; i < 3; ++i) {
        const char* section = kSections[i];
        const IndicatorDraft& ind = draft.indicators[i];
        WriteInteger(file, section, "x1", ind.x1);
        WriteInteger(file, section, "y1", ind.y1);
        WriteInteger(file, section, "x2", ind.x2);
        WriteInteger(file, section, "y2", ind.y2);
        WriteString(file, section, "font-name", Utf8(ind.font.name));
        WriteColor(file, section, "font-color", ind.fontColor);
        WriteInteger(file, section, "font-size", ind.font.pointSize);
        WriteString(file, section, "font-style", Utf8(FontStyleToSkinText(ind.font)));
        WriteBool(file, section, "graphic", ind.graphic);
        if (ind.graphic) {
            WriteString(file, section, "picture", Utf8(QFileInfo(ind.picture).fileName()));
        } else {
            WriteColor(file, section, "ground", ind.ground);
            WriteColor(file, section, "progress", ind.progress);
        }
        if (i < 2) {
            WriteString(file, section, "orientation", ind.secondItem ? "vertical" : "horizontal");
        } else {
            WriteString(file, section, "direction", ind.secondItem ? "down" : "up");
        }
        WriteInteger(file, section, "textangle", ind.textAngle);
    }
    WriteString(file, "window", "icons", Utf8(IconsValue(draft)));
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
    const ProfileText file = LoadProfile(Native(path));
    draft.loadedFolder = QFileInfo(path).absolutePath();
    draft.name = ReadText(file, "skin", "name", "Skin");
    draft.author = ReadText(file, "skin", "author", "");

    const int count = std::clamp(ReadInteger(file, "info", "count", 1), 0, kMaxInfoLines);
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        lines << ReadText(file, "info", ("line" + std::to_string(i)).c_str(), "");
    }
    draft.info = lines.join(u'\n');

    draft.width = ReadInteger(file, "window", "width", 1);
    draft.height = ReadInteger(file, "window", "height", 1);
    draft.background = ReadColorValue(file, "window", "background", "clBlack");
    draft.transparent = ReadBool(file, "window", "transparent", false);
    draft.transparentColor = ReadColorValue(file, "window", "transparentcolor", "clBlack");
    const QString icons = ReadText(file, "window", "icons", "");
    if (icons.isEmpty()) {
        draft.iconsWay = IconsWay::Standard;
    } else {
        draft.iconsWay = IconsWay::Open;
        draft.iconsFile = icons;
    }
    for (int i = 0; i < 3; ++i) {
        ReadIndicator(file, i, draft.indicators[i]);
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
