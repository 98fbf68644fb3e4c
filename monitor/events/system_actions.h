#pragma once

#include <QWidget>

#include <memory>

#include "monitor/events/actions.h"

namespace tarnwick {

// Starts the program file itself; nothing goes through a shell, so blanks in its path and
// shell characters in the parameters mean nothing special.
class QtProcessStarter final : public ProcessStarter {
public:
    bool Start(const QString& program, const QStringList& arguments) override;
};

// Documents and folders go to the desktop's default handler.
class QtDocumentOpener final : public DocumentOpener {
public:
    bool OpenDocument(const QString& path) override;
    bool OpenFolder(const QString& path) override;
};

// The actions with the real boxes (owned by owner), ALSA tones, programs, the desktop's
// handlers and systemd-logind, for the platform GetPlatform() reports.
std::unique_ptr<EventActions> MakeSystemEventActions(QWidget* owner);

}  // namespace tarnwick
