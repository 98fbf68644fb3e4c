#pragma once

#include <QGuiApplication>

namespace tarnwick::test {

// Text needs the font database of a running application (offscreen in the tests).
inline void EnsureGuiApplication() {
    static int argc = 1;
    static char name[] = "paint_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

}  // namespace tarnwick::test
