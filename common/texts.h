#pragma once

#include <QString>

#include <cstdint>

#include "common/domain.h"
#include "common/events_file.h"

// The texts both programs show for the resources, measures and events: the monitor's menus
// and the settings window's measure menu show the same captions, and the automatic message
// of an event reads the same in the monitor and the events editor.
namespace tarnwick {

// Every text here is in the user's language (the translations' context "Texts"); the English
// of the sources when no translation is loaded.

// "Processor usage", "Operation memory usage", "Swap file usage", "Virtual memory usage": the
// tray icon's tip and the first line of an event's automatic message.
QString ResourceUsageText(Resource resource);
// "Processor pressure", "Memory pressure", "Input/output pressure": the events editor's list
// and the first line of an event's automatic message.
QString PressureText(Pressure pressure);
// The same two in English, as the sources have them.
const char* ResourceUsageName(Resource resource);
const char* PressureName(Pressure pressure);

// The units written after the numbers: "MHz", "MB", and the byte sign and the prefixes of a
// scaled amount ("B", "k", "M").
enum class Unit { Megahertz, Megabyte, Byte, Kilo, Mega };
QString UnitText(Unit unit);

// The captions of the measure menus, with their accelerators: the resource ("&Processor") and
// the kind within it ("U&sage, MHz").
QString ResourceCaption(Resource resource);
QString MeasureKindCaption(Measure measure);
// "Processor | Usage, %": the caption of a measure without accelerators, as the settings
// window's measure buttons show it.
QString MeasureButtonCaption(Measure measure);
// The same two by a measure's number: the kind empty outside 1..16, the button's caption of
// the nearest end.
QString MeasureKindCaption(int number);
QString MeasureButtonCaption(int number);
// A caption without its accelerator marks ("&&" stays a single "&").
QString WithoutAccelerators(const QString& caption);

// hour * 3600 + min * 60 + sec, wrapping in 32 bits as stored files have always been read,
// then widened with its sign: an absurd time turns negative and never fires.
std::int64_t DurationOf(std::int32_t hour, std::int32_t min, std::int32_t sec);

// The three lines of the automatic message, joined by CR LF, none after the third. A pressure
// is in percent whatever `measure` says; a number that names nothing gives an empty first line.
QString AutomaticText(const EventKeys& event);

}  // namespace tarnwick
