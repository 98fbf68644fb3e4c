#include "monitor/events/power.h"

#include <QCoreApplication>

namespace tarnwick {

void SystemPower::Failed(const QString& step) {
    //: %1 is the name of the step of the power manager that failed.
    messages_.ShowExitError(QCoreApplication::translate("SystemPower", "%1() Failed").arg(step));
}

void SystemPower::Run(const QString& question, const QString& method) {
    if (!manager_.Reachable()) {
        Failed(QStringLiteral("SystemBus"));
        return;
    }
    manager_.Ask(question, [this, question, method](bool ok, const QString& answer) {
        // "challenge": allowed once the user confirms, as when other users are logged in.
        const bool allowed =
            ok && (answer == QLatin1String("yes") || answer == QLatin1String("challenge"));
        if (!allowed) {
            Failed(question);
            return;
        }
        manager_.Order(method, answer == QLatin1String("challenge"), [this, method](bool done) {
            if (!done) {
                Failed(method);
            }
        });
    });
}

}  // namespace tarnwick
