#pragma once

#include "common/domain.h"
#include "monitor/measures.h"
#include "monitor/tray/tray_icon.h"
#include "monitor/tray/tray_pictures.h"

#include <QString>

namespace tarnwick {

// The tip of the icon: the usage name of its resource; empty for no icon.
const QString& TrayTip(TrayMeasure tray);
// The same by the number `icons` stores; empty outside 1..4.
const QString& TrayTip(int number);

// The number the icon shows: the processor load, or the usage percentage of operative memory,
// swap file or virtual memory with the memory figures read afresh. 0 for no icon.
int TrayValue(TrayMeasure tray, Measures& measures);
// The same by the number `icons` stores; 0 outside 1..4.
int TrayValue(int number, Measures& measures);

// Shows a value on the icon: clamped to 0..100, then TrayIconModify with that picture and the
// tip. Picks one of the prepared pictures; nothing is drawn here.
void ShowTrayValue(TrayIcon& icon, const TrayPictures& pictures, int value, const QString& tip);

}  // namespace tarnwick
