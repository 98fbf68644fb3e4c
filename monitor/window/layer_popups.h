#pragma once

#include <QObject>
#include <QWidget>

#include <map>
#include <memory>
#include <set>

class QWindow;

namespace tarnwick {

namespace platform {
class LayerSurface;
}

// Menus and tool tips of a program whose window is a layer surface. Qt would give them the
// roles of ordinary windows, which a compositor places, tiles and lists like any window; so
// each becomes a layer surface of its own above everything, where Qt puts it, and a menu takes
// the keyboard while it shows. A compositor passes a click elsewhere to another program, so
// while a menu shows a clear surface covers the screen below it: a click there closes the
// menu, as a click outside a menu does everywhere.
class LayerPopups : public QObject {
public:
    LayerPopups();  // watches every window of the application from now on
    ~LayerPopups() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Prepare(QWindow& window);
    void MenuShown(QWindow& menu);
    void MenuHidden(QWindow& menu);

    std::map<QWindow*, std::unique_ptr<platform::LayerSurface>> surfaces_;
    std::set<QWindow*> openMenus_;
    QWidget catcher_;
    std::unique_ptr<platform::LayerSurface> catcherSurface_;
};

}  // namespace tarnwick
