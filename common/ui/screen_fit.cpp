#include "common/ui/screen_fit.h"

#include <QFrame>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace tarnwick {

void PutBodyInScrollArea(QWidget& window, QWidget* body) {
    auto* area = new QScrollArea(&window);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);  // Tab goes to the controls, and the area follows them
    area->setWidget(body);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
}

void FitWindowToScreen(QWidget& window, const QWidget& body, const QScreen* screen) {
    QSize size = body.size();
    if (screen != nullptr) {
        const QSize room = RoomOnScreen(window, *screen);
        const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        // A scroll bar for one direction takes room from the other.
        if (size.height() > room.height()) {
            size.rwidth() += bar;
        }
        if (size.width() > room.width()) {
            size.rheight() += bar;
        }
        size = size.boundedTo(room);
    }
    window.setFixedSize(size);
}

int TitleBarAllowance(const QWidget& window) {
    return std::max(window.frameGeometry().height() - window.height(),
                    2 * window.fontMetrics().height());
}

QSize RoomOnScreen(const QWidget& window, const QScreen& screen) {
    return screen.availableGeometry().size() - QSize(0, TitleBarAllowance(window));
}

void CentreOnScreen(QWidget& window, const QScreen& screen) {
    const QRect free = screen.availableGeometry();
    const QPoint corner = free.center() - QPoint(window.width() / 2,
                                                 (window.height() + TitleBarAllowance(window)) / 2);
    window.move(std::max(corner.x(), free.left()), std::max(corner.y(), free.top()));
}

}  // namespace tarnwick
