#include "common/ui/help_key.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tarnwick {
namespace {

class HelpKeyFilter final : public QObject {
public:
    HelpKeyFilter(QWidget& window, std::function<void()> help)
        : QObject(&window), window_(window), help_(std::move(help)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_) {
            help_();
            return true;
        }
        return false;
    }

private:
    QWidget& window_;
    std::function<void()> help_;
};

}  // namespace

void InstallHelpKey(QWidget& window, std::function<void()> help) {
    new HelpKeyFilter(window, std::move(help));
}

}  // namespace tarnwick
