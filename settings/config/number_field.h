#pragma once

#include <QSpinBox>

namespace tarnwick::cfg {

// A number the user changes only with the arrows (buttons, arrow keys): the text cannot be
// typed into, shows the locale's thousands separator, and the value stays within its range.
// The spin box carries the up-down's name ("udSnap"), its text field the field's ("edSnap").
QSpinBox* MakeNumberField(const QString& upDownName, const QString& fieldName, int minimum,
                          int maximum, int step, QWidget* parent);

}  // namespace tarnwick::cfg
