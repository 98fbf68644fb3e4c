#include "common/ui/window_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>

namespace tarnwick {
namespace {

// A push button, or a tool button that acts as one ("...", "?"); a page button that stays
// pressed is not one.
QAbstractButton* PushedByEnter(QObject* object) {
    if (auto* push = qobject_cast<QPushButton*>(object)) {
        return push;
    }
    auto* tool = qobject_cast<QToolButton*>(object);
    return tool != nullptr && !tool->isCheckable() ? tool : nullptr;
}

class WindowKeysFilter final : public QObject {
public:
    WindowKeysFilter(QWidget& window, std::function<void()> help)
        : QObject(&window), window_(window), help_(std::move(help)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
            static_cast<QWidget*>(watched)->window() != &window_) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1) {
            help_();
            return true;
        }
        if (key->matches(QKeySequence::Cancel)) {
            window_.close();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (QAbstractButton* button = PushedByEnter(watched)) {
                if (!key->isAutoRepeat()) {
                    button->click();
                }
                return true;
            }
        }
        return false;
    }

private:
    QWidget& window_;
    std::function<void()> help_;
};

}  // namespace

void InstallWindowKeys(QWidget& window, std::function<void()> help) {
    new WindowKeysFilter(window, std::move(help));
}

}  // namespace tarnwick
