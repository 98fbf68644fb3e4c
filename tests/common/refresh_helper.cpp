// Plays a running copy of a program for the tests of the single-copy lock and the refresh
// channel, so that they cross real process boundaries. XDG_RUNTIME_DIR picks the folder.
//
//   refresh_helper lock <name>       IsSecondCopy(name); prints "first" or "second"
//   refresh_helper listen <file>     a monitor that appends each request to file
//   refresh_helper hang <file>       a monitor that never finishes handling a request
//
// Each prints one line when ready and then runs until it is killed (at most a minute).

#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "common/refresh.h"
#include "common/single_copy.h"

namespace {

void Say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        return 2;
    }
    // A test that dies early must not leave copies behind for good.
    QTimer::singleShot(60000, &app, &QCoreApplication::quit);
    const bool hang = std::strcmp(argv[1], "hang") == 0;

    if (std::strcmp(argv[1], "lock") == 0) {
        Say(tarnwick::IsSecondCopy(argv[2]) ? "second" : "first");
        return app.exec();
    }
    if (!hang && std::strcmp(argv[1], "listen") != 0) {
        return 2;
    }

    tarnwick::RefreshListener listener;
    const QString out = QString::fromLocal8Bit(argv[2]);
    QObject::connect(&listener, &tarnwick::RefreshListener::refreshRequested, &listener,
                     [out, hang](const QString& name) {
                         if (hang) {
                             std::this_thread::sleep_for(std::chrono::seconds(60));
                             return;
                         }
                         // Slow enough that a sender that does not wait returns first.
                         std::this_thread::sleep_for(std::chrono::milliseconds(200));
                         QFile file(out);
                         if (file.open(QIODevice::Append)) {
                             file.write(name.toUtf8() + '\n');
                         }
                     });
    if (!listener.Listen()) {
        Say("failed");
        return 1;
    }
    Say("ready");
    return app.exec();
}
