#pragma once

#include <QString>

#include <vector>

#include "common/profile.h"

// What the settings window shows of the files it lists: a skin's description and the names of
// the events with their on/off flags.
namespace tarnwick::cfg {

// The text of the skin information box: "Title: ", "Author: ", the [info] lines after an empty
// line, an empty line, "For Tarnwick version: " and the version the skin was made for.
QString SkinDescription(const ProfileText& skin);

struct EventName {
    QString name;  // "Event N" when the event has no name
    bool active = false;
};

// Events 1 .. count of the events file, in their numbers' order.
std::vector<EventName> EventNames(const ProfileText& events);

}  // namespace tarnwick::cfg
