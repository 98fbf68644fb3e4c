#include "common/skin/colors.h"

#include <QGuiApplication>
#include <QPalette>

#include <cstdint>
#include <optional>

namespace tarnwick {
namespace {

struct NamedColor {
    const char* name;
    std::uint32_t value;  // 0x00BBGGRR
};

constexpr NamedColor kNamedColors[] = {
    {"clBlack", 0x000000}, {"clMaroon", 0x000080},     {"clGreen", 0x008000},
    {"clOlive", 0x008080}, {"clNavy", 0x800000},       {"clPurple", 0x800080},
    {"clTeal", 0x808000},  {"clGray", 0x808080},       {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},   {"clLime", 0x00FF00},       {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},  {"clFuchsia", 0xFF00FF},    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF}, {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
};

constexpr std::uint32_t kSystemColorBase = 0xFF000000u;
constexpr std::uint32_t kNone = 0x1FFFFFFFu;
constexpr std::uint32_t kDefault = 0x20000000u;

// The system colours by their index. There is no index 25.
constexpr const char* kSystemNames[] = {
    "clScrollBar",
    "clBackground",
    "clActiveCaption",
    "clInactiveCaption",
    "clMenu",
    "clWindow",
    "clWindowFrame",
    "clMenuText",
    "clWindowText",
    "clCaptionText",
    "clActiveBorder",
    "clInactiveBorder",
    "clAppWorkSpace",
    "clHighlight",
    "clHighlightText",
    "clBtnFace",
    "clBtnShadow",
    "clGrayText",
    "clBtnText",
    "clInactiveCaptionText",
    "clBtnHighlight",
    "cl3DDkShadow",
    "cl3DLight",
    "clInfoText",
    "clInfoBk",
    nullptr,
    "clHotLight",
    "clGradientActiveCaption",
    "clGradientInactiveCaption",
    "clMenuHighlight",
    "clMenuBar",
};
constexpr int kSystemCount = sizeof(kSystemNames) / sizeof(kSystemNames[0]);

struct PaletteColor {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// What each system colour means in a Qt palette. clWindow is the background of text fields,
// which Qt calls Base; clBtnFace is Qt's Button.
constexpr PaletteColor kSystemRoles[kSystemCount] = {
    {QPalette::Active, QPalette::Midlight},         // clScrollBar
    {QPalette::Active, QPalette::Dark},             // clBackground (the desktop)
    {QPalette::Active, QPalette::Highlight},        // clActiveCaption
    {QPalette::Active, QPalette::Mid},              // clInactiveCaption
    {QPalette::Active, QPalette::Window},           // clMenu
    {QPalette::Active, QPalette::Base},             // clWindow
    {QPalette::Active, QPalette::Shadow},           // clWindowFrame
    {QPalette::Active, QPalette::WindowText},       // clMenuText
    {QPalette::Active, QPalette::Text},             // clWindowText
    {QPalette::Active, QPalette::HighlightedText},  // clCaptionText
    {QPalette::Active, QPalette::Button},           // clActiveBorder
    {QPalette::Active, QPalette::Button},           // clInactiveBorder
    {QPalette::Active, QPalette::Dark},             // clAppWorkSpace
    {QPalette::Active, QPalette::Highlight},        // clHighlight
    {QPalette::Active, QPalette::HighlightedText},  // clHighlightText
    {QPalette::Active, QPalette::Button},           // clBtnFace
    {QPalette::Active, QPalette::Dark},             // clBtnShadow
    {QPalette::Disabled, QPalette::Text},           // clGrayText
    {QPalette::Active, QPalette::ButtonText},       // clBtnText
    {QPalette::Active, QPalette::Light},            // clInactiveCaptionText
    {QPalette::Active, QPalette::Light},            // clBtnHighlight
    {QPalette::Active, QPalette::Shadow},           // cl3DDkShadow
    {QPalette::Active, QPalette::Midlight},         // cl3DLight
    {QPalette::Active, QPalette::ToolTipText},      // clInfoText
    {QPalette::Active, QPalette::ToolTipBase},      // clInfoBk
    {QPalette::Active, QPalette::NoRole},           // (no index 25)
    {QPalette::Active, QPalette::Link},             // clHotLight
    {QPalette::Active, QPalette::Highlight},        // clGradientActiveCaption
    {QPalette::Active, QPalette::Mid},              // clGradientInactiveCaption
    {QPalette::Active, QPalette::Highlight},        // clMenuHighlight
    {QPalette::Active, QPalette::Window},           // clMenuBar
};

// Decimal with an optional sign, or hex after "$" or "0x". Hex and large decimals take all
// 32 bits, so "$FF00000F" and "-16777201" are the same system colour.
std::optional<std::uint32_t> ParseColorInteger(QString text) {
    bool negative = false;
    if (text.startsWith(u'+') || text.startsWith(u'-')) {
        negative = text.startsWith(u'-');
        text.remove(0, 1);
    }
    int base = 10;
    if (text.startsWith(u'$')) {
        base = 16;
        text.remove(0, 1);
    } else if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        base = 16;
        text.remove(0, 2);
    }
    if (text.isEmpty()) {
        return std::nullopt;
    }
    for (const QChar c : text) {
        const bool decimal = c >= u'0' && c <= u'9';
        const bool hex = (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        const bool digit = decimal || (base == 16 && hex);
        if (!digit) {
            return std::nullopt;
        }
    }
    bool ok = false;
    const qulonglong magnitude = text.toULongLong(&ok, base);
    if (!ok || magnitude > 0xFFFFFFFFull || (negative && magnitude > 0x80000000ull)) {
        return std::nullopt;
    }
    const std::uint32_t value = static_cast<std::uint32_t>(magnitude);
    return negative ? static_cast<std::uint32_t>(0u - value) : value;
}

QColor FromValue(std::uint32_t value, const QColor& fallback) {
    if (value == kNone || value == kDefault) {
        return fallback;
    }
    if ((value & 0xFF000000u) == kSystemColorBase) {
        const std::uint32_t index = value & 0x00FFFFFFu;
        if (index >= kSystemCount || kSystemRoles[index].role == QPalette::NoRole) {
            return fallback;
        }
        const QPalette palette = QGuiApplication::palette();
        return palette.color(kSystemRoles[index].group, kSystemRoles[index].role);
    }
    // Any other top byte (a palette index form) keeps its RGB part.
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

}  // namespace

std::optional<ColorValue> ParseColorValue(const QString& text) {
    const QString trimmed = text.trimmed();
    for (const NamedColor& named : kNamedColors) {
        if (trimmed.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0) {
            return named.value;
        }
    }
    for (int index = 0; index < kSystemCount; ++index) {
        if (kSystemNames[index] != nullptr &&
            trimmed.compare(QLatin1String(kSystemNames[index]), Qt::CaseInsensitive) == 0) {
            return kSystemColorBase + index;
        }
    }
    if (trimmed.compare(QLatin1String("clNone"), Qt::CaseInsensitive) == 0) {
        return kNone;
    }
    if (trimmed.compare(QLatin1String("clDefault"), Qt::CaseInsensitive) == 0) {
        return kDefault;
    }
    return ParseColorInteger(trimmed);
}

QColor ColorOfValue(ColorValue value, const QColor& fallback) {
    return FromValue(value, fallback);
}

ColorValue ValueOfColor(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) |
           static_cast<std::uint32_t>(color.green()) << 8 |
           static_cast<std::uint32_t>(color.blue()) << 16;
}

QString ColorToText(ColorValue value) {
    return QStringLiteral("$%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

QColor ParseColor(const QString& text, const QColor& fallback) {
    const std::optional<ColorValue> value = ParseColorValue(text);
    return value ? FromValue(*value, fallback) : fallback;
}

QString ColorToSkinText(const QColor& color) {
    return ColorToText(ValueOfColor(color));
}

}  // namespace tarnwick
