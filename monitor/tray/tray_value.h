#pragma once

#include "monitor/measures.h"
#include "monitor/tray/tray_icon.h"
#include "monitor/tray/tray_pictures.h"

#include <QString>

namespace tarnwick {

// What the tray icon shows, as the setting `icons` keeps it: 0 no icon, 1 processor,
// 2 operative memory, 3 swap file, 4 virtual memory.
constexpr int kTrayMeasureNone = 0;
constexpr int kTrayMeasureProcessor = 1;
constexpr int kTrayMeasureOperativeMemory = 2;
constexpr int kTrayMeasureSwapFile = 3;
constexpr int kTrayMeasureVirtualMemory = 4;

// The tip of the icon for a measure; empty outside 1..4.
const QString& TrayTip(int trayMeasure);

// The number the icon shows for a measure: the processor load for 1, the usage percentage of
// operative memory, swap file or virtual memory for 2 to 4, the memory figures read afresh.
// 0 outside 1..4 (with no icon there is nothing to show).
int TrayValue(int trayMeasure, Measures& measures);

// Shows a value on the icon: clamped to 0..100, then TrayIconModify with that picture and the
// tip. Picks one of the prepared pictures; nothing is drawn here.
void ShowTrayValue(TrayIcon& icon, const TrayPictures& pictures, int value, const QString& tip);

}  // namespace tarnwick
