#include "monitor/events/system_actions.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#include "common/platform_id.h"
#include "monitor/events/power.h"
#include "monitor/events/tone_alsa.h"
#include "monitor/events/uMessage.h"

namespace tarnwick {

namespace {

// The parts live before the actions that use them and die after them.
struct SystemParts {
    explicit SystemParts(QWidget* owner) : messages(owner), power(logind, messages) {}

    ActionServices Services() {
        ActionServices services;
        services.messages = &messages;
        services.tones = &tones;
        services.starter = &starter;
        services.opener = &opener;
        services.power = &power;
        services.platform = GetPlatform();
        return services;
    }

    QtEventMessages messages;
    AlsaTones tones;
    QtProcessStarter starter;
    QtDocumentOpener opener;
    LogindManager logind;
    SystemPower power;
};

class SystemEventActions final : private SystemParts, public EventActions {
public:
    explicit SystemEventActions(QWidget* owner)
        : SystemParts(owner), EventActions(SystemParts::Services()) {}
};

}  // namespace

bool QtProcessStarter::Start(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

bool QtDocumentOpener::OpenDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtDocumentOpener::OpenFolder(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

std::unique_ptr<EventActions> MakeSystemEventActions(QWidget* owner) {
    return std::make_unique<SystemEventActions>(owner);
}

}  // namespace tarnwick
