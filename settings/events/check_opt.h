#pragma once

#include <QString>

#include <optional>

#include "settings/events/event_form.h"

// The checks "Apply" makes before anything is written.
namespace tarnwick::cfg {

// The twelve checks in their order, each only on the page of the chosen action that it
// belongs to; the message of the first that fails, nothing when all pass. A number field
// that holds a lone sign or a number beyond signed 32 bits throws ConvertError.
std::optional<QString> CheckOpt(const EventForm& form);

// The message of a signal whose frequency, impulse or pause is no number.
QString BadSignalMessage();

// Frequency, impulse and pause are numbers (0 or more); throws ConvertError like CheckOpt.
bool SignalFieldsAreNumbers(const EventForm& form);

}  // namespace tarnwick::cfg
