#include "common/skin/skin_format.h"

#include <string>

#include "common/profile.h"

namespace tarnwick {

namespace {

const char* DefaultOf(const SkinText& key, SkinReader reader) {
    return reader == SkinReader::Viewer ? key.viewer : key.editor;
}

const Reading& ReadingOf(const SkinNumber& key, SkinReader reader) {
    return reader == SkinReader::Viewer ? key.viewer : key.editor;
}

// Reads keys of one section with one reader's defaults.
class SectionReader {
public:
    SectionReader(const ProfileText& file, SkinReader reader, const char* section)
        : file_(file), reader_(reader), section_(section) {}

    QString Text(const SkinText& key) const {
        return QString::fromStdString(
            ReadString(file_, Section(key.section), key.name, DefaultOf(key, reader_)));
    }
    std::int32_t Number(const SkinNumber& key) const {
        const Reading& reading = ReadingOf(key, reader_);
        return Fitted(ReadInteger(file_, Section(key.section), key.name, reading.fallback),
                      reading);
    }
    bool Flag(const SkinNumber& key) const {
        return ReadBool(file_, Section(key.section), key.name,
                        ReadingOf(key, reader_).fallback != 0);
    }

private:
    const char* Section(const char* own) const { return own != nullptr ? own : section_; }

    const ProfileText& file_;
    SkinReader reader_;
    const char* section_;
};

SkinIndicatorKeys ReadIndicator(const SectionReader& in, bool diagram) {
    using namespace skinkey;
    SkinIndicatorKeys keys;
    keys.x1 = in.Number(kX1);
    keys.y1 = in.Number(kY1);
    keys.x2 = in.Number(kX2);
    keys.y2 = in.Number(kY2);
    keys.fontName = in.Text(kFontName);
    keys.fontColor = in.Text(kFontColor);
    keys.fontSize = in.Number(kFontSize);
    keys.fontStyle = in.Text(kFontStyle);
    keys.graphic = in.Flag(kGraphic);
    keys.picture = in.Text(kPicture);
    keys.ground = in.Text(kGround);
    keys.progress = in.Text(kProgress);
    if (diagram) {
        keys.downward = in.Text(kDirection) == QLatin1String(kDown);
    } else {
        keys.vertical = in.Text(kOrientation) == QLatin1String(kVertical);
    }
    const std::int32_t angle = in.Number(kTextAngle);
    keys.textAngle = angle == 90 || angle == 180 || angle == 270 ? angle : 0;
    return keys;
}

// The style words in the order the editor writes them, with the style each stands for.
struct StyleWord {
    const char* word;
    bool FontSpec::*style;
};
constexpr StyleWord kStyleWords[] = {{"bold", &FontSpec::bold},
                                     {"italic", &FontSpec::italic},
                                     {"underline", &FontSpec::underline},
                                     {"strikeout", &FontSpec::strikeout}};

}  // namespace

SkinKeys ReadSkinKeys(const ProfileText& file, SkinReader reader) {
    using namespace skinkey;
    const SectionReader in(file, reader, nullptr);
    SkinKeys keys;
    keys.name = in.Text(kName);
    keys.author = in.Text(kAuthor);
    keys.programVersion = in.Text(kProgramVersion);
    const std::int32_t count = in.Number(kCount);
    for (std::int32_t i = 1; i <= count; ++i) {
        keys.info << QString::fromStdString(
            ReadString(file, kInfo, kLinePrefix + std::to_string(i), ""));
    }
    keys.width = in.Number(kWidth);
    keys.height = in.Number(kHeight);
    keys.background = in.Text(kBackground);
    keys.transparent = in.Flag(kTransparent);
    keys.transparentColor = in.Text(kTransparentColor);
    keys.icons = in.Text(kIcons);
    for (std::size_t i = 0; i < keys.indicators.size(); ++i) {
        keys.indicators[i] = ReadIndicator(SectionReader(file, reader, kIndicatorSections[i]),
                                           i + 1 == keys.indicators.size());
    }
    return keys;
}

QColor ColorOfKey(const QString& text, const SkinText& key) {
    return ParseColor(text, ParseColor(QLatin1String(key.viewer), Qt::black));
}

void ApplyFontStyle(FontSpec& font, const QString& style) {
    for (const StyleWord& word : kStyleWords) {
        font.*word.style = style.contains(QLatin1String(word.word), Qt::CaseSensitive);
    }
}

QString FontStyleToSkinText(const FontSpec& font) {
    QStringList words;
    for (const StyleWord& word : kStyleWords) {
        if (font.*word.style) {
            words << QLatin1String(word.word);
        }
    }
    return words.join(u' ');
}

void Write(ProfileText& file, const SkinText& key, const QString& value) {
    WriteString(file, key.section, key.name, value.toStdString());
}

void Write(ProfileText& file, const SkinNumber& key, std::int32_t value) {
    WriteInteger(file, key.section, key.name, value);
}

void Write(ProfileText& file, const SkinNumber& key, bool value) {
    WriteBool(file, key.section, key.name, value);
}

}  // namespace tarnwick
