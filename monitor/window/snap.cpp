#include "monitor/window/snap.h"

#include <QString>
#include <QStringList>

namespace tarnwick {

namespace {

// True when value lies within distance pixels of edge, both bounds included.
bool Near(int value, int edge, int distance) {
    return edge - distance <= value && value <= edge + distance;
}

}  // namespace

QPoint SnapPosition(QPoint position, QSize size, int distance, const QRect& workArea,
                    const QRect& screen) {
    // The right and bottom edges are exclusive here (left + width), as the window's are.
    const int workRight = workArea.x() + workArea.width();
    const int workBottom = workArea.y() + workArea.height();
    const int screenRight = screen.x() + screen.width();
    const int screenBottom = screen.y() + screen.height();
    int left = position.x();
    int top = position.y();
    if (Near(left, workArea.x(), distance)) {
        left = workArea.x();
    }
    if (Near(left, screen.x(), distance)) {
        left = screen.x();
    }
    if (Near(left + size.width(), workRight, distance)) {
        left = workRight - size.width();
    }
    if (Near(left + size.width(), screenRight, distance)) {
        left = screenRight - size.width();
    }
    if (Near(top, workArea.y(), distance)) {
        top = workArea.y();
    }
    if (Near(top, screen.y(), distance)) {
        top = screen.y();
    }
    if (Near(top + size.height(), workBottom, distance)) {
        top = workBottom - size.height();
    }
    if (Near(top + size.height(), screenBottom, distance)) {
        top = screenBottom - size.height();
    }
    return {left, top};
}

QPoint OnScreenPosition(QPoint position, QSize size, QSize screen) {
    int left = position.x();
    int top = position.y();
    if (left <= -size.width()) {
        left = 0;
    }
    if (left >= screen.width()) {
        left = screen.width() - size.width();
    }
    if (top <= -size.height()) {
        top = 0;
    }
    if (top >= screen.height()) {
        top = screen.height() - size.height();
    }
    return {left, top};
}

PointerReference PointerReferenceOf(const std::string& desktop) {
    const QStringList names = QString::fromStdString(desktop).split(':');
    for (const QString& name : names) {
        if (name.compare(QLatin1String("KDE"), Qt::CaseInsensitive) == 0) {
            return PointerReference::Surface;
        }
    }
    return PointerReference::Press;
}

QPoint DraggedCorner(PointerReference reference, QPoint pressCorner, QPoint corner,
                     QPoint pressLocal, QPoint local) {
    const QPoint origin = reference == PointerReference::Press ? pressCorner : corner;
    return origin + local - pressLocal;
}

}  // namespace tarnwick
