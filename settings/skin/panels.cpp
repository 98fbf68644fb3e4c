#include "settings/skin/panels.h"

#include <QMouseEvent>

#include <algorithm>

#include "common/numbers.h"
#include "common/paint/text.h"
#include "common/ui/dialogs.h"

namespace tarnwick::cfg {

ColorPanel::ColorPanel(Dialogs& dialogs, QWidget* parent) : QLabel(parent), dialogs_(dialogs) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(41, 21);
    SetValue(0x00FFFFFFu);
}

void ColorPanel::SetValue(ColorValue value) {
    value_ = value;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ColorOfValue(value, Qt::black));
    setPalette(colours);
}

void ColorPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (const std::optional<QColor> chosen =
            dialogs_.ChooseColor(ColorOfValue(value_, Qt::black))) {
        SetValue(ValueOfColor(*chosen));
        emit changed();
    }
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

FontPanel::FontPanel(Dialogs& dialogs, QWidget* parent) : QLabel(parent), dialogs_(dialogs) {
    setText(QStringLiteral("Font"));
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(140, 40);
    Refresh();
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
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

void FontPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const std::optional<QFont> chosen = dialogs_.ChooseFont(DialogFont(font_));
    if (!chosen) {
        return;
    }
    font_ = SkinFontOf(*chosen);
    if (const std::optional<QColor> colour =
            dialogs_.ChooseColor(ColorOfValue(color_, Qt::black))) {
        color_ = ValueOfColor(*colour);
    }
    Refresh();
    emit changed();
}

}  // namespace tarnwick::cfg
