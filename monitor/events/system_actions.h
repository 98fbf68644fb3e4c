#pragma once

#include <QWidget>

#include <memory>

#include "monitor/events/actions.h"

namespace tarnwick {

// The actions with the real boxes (owned by owner), the system's tones, programs, the
// desktop's handlers and session manager, for the platform GetPlatform() reports.
std::unique_ptr<EventActions> MakeSystemEventActions(QWidget* owner);

}  // namespace tarnwick
