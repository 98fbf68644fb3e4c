#pragma once

#include <QString>

namespace tarnwick::cfg {

// How long a message's signal plays: the three radio buttons of "Play back a signal".
enum class LoopKind { Time, Count, Infinity };

// What the editor's controls hold, as the user typed it: number fields stay texts until
// "Apply" checks and converts them, lists are their selected index (-1 for none).
struct EventForm {
    // The left column.
    QString name;
    int resource = 0;  // cmEvents: the `event` number of the chosen entry
    int biglit = 0;
    QString value;
    int measure = 0;
    QString hour, min, sec;
    int action = 0;
    int execute = 0;
    bool active = false;

    // Page 1: the message and its sound signal.
    bool autotext = true;  // rbTextAuto; rbTextUser otherwise
    QString info;          // reInfo, lines separated by "\n"
    bool sound = false;
    QString freq, time, pause;
    LoopKind loop = LoopKind::Time;
    QString loopHour, loopMin, loopSec, loopCount;
    bool culprit = false;  // cbCulprit
    bool notify = false;   // cbNotify

    // Pages 2 to 4.
    QString exec, param;
    QString doc;
    QString folder;
};

// The page of Notebook1 that belongs to an action: 1 to 4 for actions 1 to 4, 0 for the rest.
int PageOfAction(int action);

}  // namespace tarnwick::cfg
