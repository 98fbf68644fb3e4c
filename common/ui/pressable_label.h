#pragma once

#include <QAccessible>
#include <QLabel>

namespace tarnwick {

// A label that acts as a control: the links and the skin editor's colour and font panels. It
// takes the focus with Tab, draws a focus frame while it has it, and is pressed by a left
// click, by Space, Enter or Return, and by a screen reader's "press" action. A screen reader
// sees it with the given role (a link or a button) and its accessible name.
class PressableLabel : public QLabel {
    Q_OBJECT
public:
    PressableLabel(QAccessible::Role role, QWidget* parent);

    QAccessible::Role accessibleRole() const { return role_; }
    // Does what a click does; also the screen reader's press action.
    void Press();

signals:
    void pressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QAccessible::Role role_;
};

}  // namespace tarnwick
