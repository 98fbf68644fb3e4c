#include "common/ui/pressable_label.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tarnwick {
namespace {

// What a screen reader sees of a pressable label: its role, and a press action. The label's
// own accessible interface would call it static text, which a reader skips in the tab order.
class PressableAccessible final : public QAccessibleWidget {
public:
    explicit PressableAccessible(PressableLabel* label)
        : QAccessibleWidget(label, label->accessibleRole()) {
        addControllingSignal(QStringLiteral("pressed()"));
    }

    // Named by its own text before anything around it: the widget's default would take the
    // title of the group box it stands in, the same for every link of the group.
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            const QString own = static_cast<QLabel*>(widget())->text();
            if (!own.isEmpty()) {
                return own;
            }
        }
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            static_cast<PressableLabel*>(widget())->Press();
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* MakePressableAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("tarnwick::PressableLabel") && object->isWidgetType()) {
        return new PressableAccessible(static_cast<PressableLabel*>(object));
    }
    return nullptr;
}

}  // namespace

PressableLabel::PressableLabel(QAccessible::Role role, QWidget* parent)
    : QLabel(parent), role_(role) {
    static const bool installed = (QAccessible::installFactory(MakePressableAccessible), true);
    (void)installed;
    setFocusPolicy(Qt::StrongFocus);
    setContentsMargins(2, 1, 2, 1);  // room for the focus frame
    setCursor(Qt::PointingHandCursor);
}

void PressableLabel::Press() {
    emit pressed();
}

void PressableLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!event->isAutoRepeat()) {
                Press();
            }
            event->accept();
            return;
        default:
            QLabel::keyPressEvent(event);
    }
}

void PressableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Press();
    }
    QLabel::mouseReleaseEvent(event);
}

void PressableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    // The theme's highlight, solid: the style's own focus frame is too faint beside a link.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace tarnwick
