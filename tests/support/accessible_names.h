#pragma once

// What a screen reader would say wrong about a window's controls: a control that takes the
// keyboard focus but has no name, or has the name of a sibling of the same role, so the user
// cannot tell the two apart. Hidden pages count: a reader reaches them once they are shown.
#include <QAccessible>
#include <QWidget>

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace tarnwick::testing {

inline std::vector<std::string> NamingFaults(QWidget& window) {
    std::vector<std::string> faults;
    std::map<std::tuple<QAccessibleInterface*, int, QString>, QString> seen;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        QWidget* parent = control->parentWidget();
        // A spin box's or combo box's text field speaks for its owner; a combo box's list is a
        // window of its own.
        if (!(control->focusPolicy() & Qt::TabFocus) || control->window() != &window ||
            control->focusProxy() != nullptr ||
            (parent != nullptr && parent->focusProxy() == control)) {
            continue;
        }
        QAccessibleInterface* seenAs = QAccessible::queryAccessibleInterface(control);
        if (seenAs == nullptr) {
            continue;
        }
        const QString name = seenAs->text(QAccessible::Name);
        const std::string what =
            control->objectName().toStdString() + " (" + control->metaObject()->className() + ")";
        if (name.trimmed().isEmpty()) {
            faults.push_back(what + " has no name");
            continue;
        }
        const auto key = std::make_tuple(seenAs->parent(), int(seenAs->role()), name);
        if (const auto twin = seen.find(key); twin != seen.end()) {
            faults.push_back(what + " shares the name \"" + name.toStdString() + "\" with " +
                             twin->second.toStdString());
        } else {
            seen.emplace(key, control->objectName());
        }
    }
    return faults;
}

}  // namespace tarnwick::testing
