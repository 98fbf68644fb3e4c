#include "common/ui/screen_fit.h"

#include <QFrame>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

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
        const QStyle* style = window.style();
        const int border = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
        const QSize room = screen->availableGeometry().size() -
                           QSize(border, border + style->pixelMetric(QStyle::PM_TitleBarHeight));
        const int bar = style->pixelMetric(QStyle::PM_ScrollBarExtent);
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

}  // namespace tarnwick
