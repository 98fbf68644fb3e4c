#pragma once

#include <QString>

class QWidget;

namespace tarnwick {

// Makes the caption of window the application's title, which message boxes take as their
// caption, and returns the title before. Qt appends the application's title to a window's
// caption that differs from it, at the moment the caption reaches the window system, so the
// caption is handed to the window system again: its title bar shows the caption alone.
QString TakeApplicationTitle(QWidget& window);

// The application's title for a window shown over another: taken at every showing, and the
// title the window found given back when it closes.
class BorrowedApplicationTitle {
public:
    void Take(QWidget& window);
    void GiveBack() const;

private:
    QString before_;
};

}  // namespace tarnwick
