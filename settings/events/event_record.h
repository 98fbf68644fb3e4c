#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>

#include "common/events_file.h"
#include "settings/events/event_form.h"

// Between the editor's controls and the events file: what the controls show for an event,
// and what "Apply" writes from them.
namespace tarnwick::cfg {

// "New event", then the name of each event of the file ("Event N" where it has none).
QStringList LoadEventsNames(const std::string& eventsFile);

// The controls emptied for a new event; the watched resource is the one kept from before.
EventForm CleanedForm(int resource);

// Event n as the editor shows it, with the editor's defaults for missing keys. A list value
// the file holds outside its list is shown as the monitor reads it; a pressure is in percent.
EventForm LoadEvent(const std::string& eventsFile, std::int32_t n);

// The lines of a message box text: none for an empty text, and a final line break starts
// no empty line of its own.
QStringList MessageLines(const QString& text);

// The event the controls describe, every number field converted. A field that holds no
// integer, a lone sign or a number beyond signed 32 bits throws ConvertError, also the
// signal fields of a message whose sound is off: they are written all the same, and an
// event is never written with a part of its keys. A pressure is written in percent.
EventEntry EntryOf(const EventForm& form);

// Writes the controls as event n, or as a new event after the last one when n is 0, in one
// step: all of it lands or nothing does. Returns the event's number. Throws ConvertError
// (nothing written) or WriteError (the file unchanged).
std::int32_t SaveEvent(const std::string& eventsFile, std::int32_t n, const EventForm& form);

}  // namespace tarnwick::cfg
