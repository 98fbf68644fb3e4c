#include "monitor/events/power.h"

namespace tarnwick {

void SystemPower::Failed(const QString& step) {
    messages_.ShowExitError(step + QStringLiteral("() Failed"));
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
