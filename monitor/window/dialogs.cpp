#include "monitor/window/dialogs.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace tarnwick {

void QtDesktop::ShowError(const QString& text) {
    QMessageBox::critical(owner_, QStringLiteral("Tarnwick"), text + QLatin1Char('.'));
}

void QtDesktop::ShowMessage(const QString& caption, const QString& text) {
    QMessageBox::information(owner_, caption, text);
}

bool QtDesktop::StartProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

bool QtDesktop::OpenUrl(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

}  // namespace tarnwick
