#pragma once

#include <QLabel>

namespace tarnwick {
class Dialogs;
}

namespace tarnwick::cfg {

// An underlined blue label that opens its target with the user's default handler; red while
// the mouse is over it, with the hand cursor.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& objectName, const QString& caption, QString target, Dialogs* dialogs,
              QWidget* parent);

    const QString& target() const { return target_; }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetColor(const QColor& color);

    QString target_;
    Dialogs* dialogs_;
};

}  // namespace tarnwick::cfg
