#include "common/ui/link_label.h"

#include "common/ui/contrast.h"
#include "common/ui/dialogs.h"
#include "common/ui/open_link.h"

namespace tarnwick {

LinkLabel::LinkLabel(const QString& objectName, const QString& caption, QString target,
                     Dialogs* dialogs, QWidget* parent)
    : PressableLabel(QAccessible::Link, parent), target_(std::move(target)), dialogs_(dialogs) {
    setObjectName(objectName);
    setText(caption);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    ShowColour();
    // A box says so when nothing opens the target.
    connect(this, &PressableLabel::pressed, this, [this] { OpenLink(*dialogs_, target_); });
}

// The text is drawn in the window-text colour of the label's own palette; its other colours,
// and the background it stands on, still come from the parents and the application.
void LinkLabel::ShowColour() {
    QPalette colours = palette();
    const QPalette::ColorRole role = hovered_ ? QPalette::LinkVisited : QPalette::Link;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(
            group, QPalette::WindowText,
            ReadableOn(colours.color(group, role), colours.color(group, backgroundRole())));
    }
    // Setting the same colours again changes nothing, so the palette change this sends back
    // ends here.
    setPalette(colours);
}

void LinkLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange) {
        ShowColour();
    }
    PressableLabel::changeEvent(event);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    ShowColour();
    PressableLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    hovered_ = false;
    ShowColour();
    PressableLabel::leaveEvent(event);
}

}  // namespace tarnwick
