#pragma once

#include "common/skin/colors.h"
#include "common/skin/look.h"
#include "common/ui/pressable_label.h"

namespace tarnwick {
class Dialogs;
}

namespace tarnwick::cfg {

// A colour panel: shows its colour; a click, or Space or Enter while it has the focus, opens
// the colour dialog preset to it and takes the chosen colour when the dialog is confirmed. A
// screen reader sees a button named by the panel's label (its buddy) or its accessible name,
// and the colour as its description.
class ColorPanel : public PressableLabel {
    Q_OBJECT
public:
    ColorPanel(Dialogs& dialogs, QWidget* parent);
    ColorValue value() const { return value_; }
    void SetValue(ColorValue value);

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Choose();

    Dialogs& dialogs_;
    ColorValue value_ = 0;
};

// A font panel: shows the word "Font" in its font, size, colour and style, on white or, for a
// light colour, on black. A click, Space or Enter opens the font dialog preset to the font,
// then the colour dialog "Font color" for the text's colour (the font dialog of this platform
// has no colour of its own); each takes effect when confirmed. A screen reader sees a button
// "Font" and the font in words as its description.
class FontPanel : public PressableLabel {
    Q_OBJECT
public:
    FontPanel(Dialogs& dialogs, QWidget* parent);
    const FontSpec& font() const { return font_; }
    ColorValue color() const { return color_; }
    void SetFont(const FontSpec& font, ColorValue color);

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Choose();
    void Refresh();

    Dialogs& dialogs_;
    FontSpec font_;
    ColorValue color_ = 0;
};

// The font the dialog is preset to, and the skin font of a chosen one (sizes in points; a
// font sized in pixels is taken at 96 dots per inch).
QFont DialogFont(const FontSpec& font);
FontSpec SkinFontOf(const QFont& font);

}  // namespace tarnwick::cfg
