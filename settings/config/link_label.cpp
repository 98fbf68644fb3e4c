#include "settings/config/link_label.h"

#include <QMouseEvent>

#include "common/ui/dialogs.h"
#include "common/ui/open_link.h"

namespace tarnwick::cfg {

LinkLabel::LinkLabel(const QString& objectName, const QString& caption, QString target,
                     Dialogs* dialogs, QWidget* parent)
    : QLabel(caption, parent), target_(std::move(target)), dialogs_(dialogs) {
    setObjectName(objectName);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    SetColor(Qt::blue);
}

void LinkLabel::SetColor(const QColor& color) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, color);
    setPalette(palette);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    SetColor(Qt::red);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    SetColor(Qt::blue);
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        OpenLink(*dialogs_, target_);  // a box says so when nothing opens it
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace tarnwick::cfg
