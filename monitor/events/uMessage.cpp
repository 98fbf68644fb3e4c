#include "monitor/events/uMessage.h"

#include <QMessageBox>

#include <utility>

namespace tarnwick {

QString EventBoxCaption() {
    return QString::fromUtf8("Событие");
}

void QtEventMessages::ShowEventBox(const QString& text, std::function<void()> closed) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    auto* box =
        new QMessageBox(QMessageBox::NoIcon, EventBoxCaption(), shown, QMessageBox::Ok, owner_);
    box->setObjectName(QStringLiteral("EventMessage"));
    box->setTextFormat(Qt::PlainText);  // a user's line is text, never markup
    box->setWindowModality(Qt::ApplicationModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::finished, box, [closed = std::move(closed)] {
        if (closed) {
            closed();
        }
    });
    box->show();
}

void QtEventMessages::ShowExitError(const QString& caption) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, caption, QStringLiteral("Exit Error"),
                                QMessageBox::Ok);
    box->setObjectName(QStringLiteral("ExitError"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}

}  // namespace tarnwick
