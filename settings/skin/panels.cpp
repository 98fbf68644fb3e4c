#include "settings/skin/panels.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

#include "common/numbers.h"
#include "common/paint/text.h"
#include "common/skin/skin.h"
#include "common/ui/contrast.h"
#include "common/ui/dialogs.h"

namespace tarnwick::cfg {
namespace {

// The skin editor's texts are translated in one context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SkinEditor)
};

// Of black and white, the one that stands out more from the colour (white when equal).
QColor StandingOut(const QColor& colour) {
    return ContrastRatio(Qt::black, colour) > ContrastRatio(Qt::white, colour) ? Qt::black
                                                                               : Qt::white;
}

// The style's focus frame may be drawn in the highlight colour, which a panel of that colour
// would hide: a frame in black or white inside the panel's edge shows the focus on any colour.
void DrawFocusMark(QWidget& panel, const QColor& ground) {
    if (!panel.hasFocus()) {
        return;
    }
    QPainter painter(&panel);
    painter.setPen(QPen(StandingOut(ground), 1, Qt::DotLine));
    painter.drawRect(panel.rect().adjusted(3, 3, -4, -4));
}

}  // namespace

ColorPanel::ColorPanel(Dialogs& dialogs, QWidget* parent)
    : PressableLabel(QAccessible::Button, parent), dialogs_(dialogs) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setFixedSize(41, 21);
    SetValue(0x00FFFFFFu);
    connect(this, &PressableLabel::pressed, this, &ColorPanel::Choose);
}

void ColorPanel::SetValue(ColorValue value) {
    value_ = value;
    const QColor shown = ColorOfValue(value, Qt::black);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, shown);
    setPalette(colours);
    setAccessibleDescription(shown.name());
}

void ColorPanel::Choose() {
    if (const std::optional<QColor> chosen =
            dialogs_.ChooseColor(ColorOfValue(value_, Qt::black), QString())) {
        SetValue(ValueOfColor(*chosen));
        emit changed();
    }
}

void ColorPanel::paintEvent(QPaintEvent* event) {
    PressableLabel::paintEvent(event);
    DrawFocusMark(*this, ColorOfValue(value_, Qt::black));
}

QFont DialogFont(const FontSpec& font) {
    QFont qt(font.name);
    qt.setPointSize(std::clamp(font.pointSize, 1, 1000));
    qt.setBold(font.bold);
    qt.setItalic(font.italic);
    qt.setUnderline(font.underline);
    qt.setStrikeOut(font.strikeout);
    return qt;
}

FontSpec SkinFontOf(const QFont& qt) {
    FontSpec font;
    font.name = qt.family();
    font.pointSize = qt.pointSize() > 0
                         ? qt.pointSize()
                         : static_cast<int>(RoundHalfEven(qt.pixelSize() * 72.0L / 96.0L));
    font.bold = qt.bold();
    font.italic = qt.italic();
    font.underline = qt.underline();
    font.strikeout = qt.strikeOut();
    return font;
}

FontPanel::FontPanel(Dialogs& dialogs, QWidget* parent)
    : PressableLabel(QAccessible::Button, parent), dialogs_(dialogs) {
    setText(Text::tr("Font"));
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setFixedSize(140, 40);
    Refresh();
    connect(this, &PressableLabel::pressed, this, &FontPanel::Choose);
}

void FontPanel::SetFont(const FontSpec& font, ColorValue color) {
    font_ = font;
    color_ = color;
    Refresh();
}

void FontPanel::Refresh() {
    FontSpec shown = font_;
    shown.color = ColorOfValue(color_, Qt::black);
    setFont(MakeFont(shown, 96));
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, shown.color);
    // White, as the sample always stood on, unless black sets the colour off better.
    colours.setColor(QPalette::Window, StandingOut(shown.color));
    setPalette(colours);
    const QString style = FontStyleToSkinText(font_);
    setAccessibleDescription(Text::tr("%1, %2 pt%3, %4")
                                 .arg(font_.name)
                                 .arg(font_.pointSize)
                                 .arg(style.isEmpty() ? QString() : QStringLiteral(", ") + style)
                                 .arg(shown.color.name()));
}

void FontPanel::Choose() {
    const std::optional<QFont> chosen = dialogs_.ChooseFont(DialogFont(font_));
    if (!chosen) {
        return;
    }
    font_ = SkinFontOf(*chosen);
    if (const std::optional<QColor> colour =
            dialogs_.ChooseColor(ColorOfValue(color_, Qt::black), Text::tr("Font color"))) {
        color_ = ValueOfColor(*colour);
    }
    Refresh();
    emit changed();
}

void FontPanel::paintEvent(QPaintEvent* event) {
    PressableLabel::paintEvent(event);
    DrawFocusMark(*this, palette().color(QPalette::Window));
}

}  // namespace tarnwick::cfg
