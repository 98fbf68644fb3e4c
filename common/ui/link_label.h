#pragma once

#include "common/ui/pressable_label.h"

namespace tarnwick {

class Dialogs;

// An underlined label that opens its target with the user's default handler when it is
// clicked or, having the focus, pressed with Space or Enter. It is drawn in the palette's link
// colour and, while the mouse is over it, in the palette's visited-link colour; each is made darker
// or lighter where it would not stand out from the window (a contrast of 4.5:1), and both follow a
// change of the palette.
class LinkLabel : public PressableLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& objectName, const QString& caption, QString target, Dialogs* dialogs,
              QWidget* parent);

    const QString& target() const { return target_; }

protected:
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void ShowColour();

    QString target_;
    Dialogs* dialogs_;
    bool hovered_ = false;
};

}  // namespace tarnwick
