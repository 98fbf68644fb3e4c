#pragma once

#include <QLabel>

#include "common/skin/colors.h"
#include "common/skin/look.h"

namespace tarnwick {
class Dialogs;
}

namespace tarnwick::cfg {

// A colour panel: shows its colour; a click opens the colour dialog preset to it and takes
// the chosen colour when the dialog is confirmed.
class ColorPanel : public QLabel {
    Q_OBJECT
public:
    ColorPanel(Dialogs& dialogs, QWidget* parent);
    ColorValue value() const { return value_; }
    void SetValue(ColorValue value);

signals:
    void changed();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    Dialogs& dialogs_;
    ColorValue value_ = 0;
};

// A font panel: shows the word "Font" in its font, size, colour and style. A click opens the
// font dialog preset to the font, then the colour dialog for the text's colour (the font
// dialog of this platform has no colour of its own); each takes effect when confirmed.
class FontPanel : public QLabel {
    Q_OBJECT
public:
    FontPanel(Dialogs& dialogs, QWidget* parent);
    const FontSpec& font() const { return font_; }
    ColorValue color() const { return color_; }
    void SetFont(const FontSpec& font, ColorValue color);

signals:
    void changed();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
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
