// Cost of the settings window as a user feels it: opening it with 200 skins in the skins folder
// and 1000 events in the events file, until it is on the screen; and "Apply" with a real
// monitor listening, until the monitor has acknowledged both refreshes.
// Runs on the display it is given (QT_QPA_PLATFORM, DISPLAY), offscreen when there is none.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <QFileInfo>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "common/datafolder.h"
#include "common/ui/dialogs.h"
#include "platform/process.h"
#include "settings/config/mainwindow.h"

namespace {

// A private home for the whole run: the monitor started below finds the same data folder and
// runtime folder through the environment.
struct Home {
    QTemporaryDir dir;
    Home() {
        for (const char* folder : {"home", "config/tarnwick", "run", "skins"}) {
            QDir(dir.path()).mkpath(QLatin1String(folder));
        }
        QFile::setPermissions(dir.path() + "/run",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        setenv("HOME", Path("home").c_str(), 1);
        setenv("XDG_CONFIG_HOME", Path("config").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", Path("run").c_str(), 1);
    }
    std::string Path(const std::string& name) const {
        return dir.path().toStdString() + "/" + name;
    }
    void Write(const std::string& name, const QByteArray& text) const {
        const QString path = QString::fromStdString(Path(name));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(text);
    }
};

Home& TheHome() {
    static Home home;
    return home;
}

// 200 skins, ten to a folder as a user's downloads lie, each with a description; 1000 events.
void FillHome(const Home& home) {
    for (int n = 0; n < 200; ++n) {
        home.Write("skins/set" + std::to_string(n / 10) + "/skin" + std::to_string(n) + ".skin",
                   QByteArray("[skin]\nname=Skin ") + QByteArray::number(n) +
                       "\nauthor=Bench\nprogramversion=3.0\n[info]\ncount=2\n"
                       "line1=A skin of the benchmark.\nline2=Its second line.\n"
                       "[window]\nwidth=150\nheight=60\nbackground=$00141012\n");
    }
    QByteArray events = "[main]\ncount=1000\n";
    for (int n = 1; n <= 1000; ++n) {
        const QByteArray k = QByteArray::number(n);
        events += "[event" + k + "]\nname=Event number " + k +
                  "\nevent=0\nbiglit=0\nvalue=90\nmeasure=0\nhour=0\nmin=5\nsec=0\naction=0"
                  "\nexecute=2\nactive=" +
                  QByteArray::number(n % 2) + "\n";
    }
    home.Write("config/tarnwick/events.cfg", events);
    home.Write("config/tarnwick/tarnwick.cfg",
               QByteArray("[skins]\nskinpath=") + QByteArray::fromStdString(home.Path("skins")) +
                   "\nactive=" + QByteArray::fromStdString(home.Path("skins/set9/skin95.skin")) +
                   "\n");
}

tarnwick::cfg::SettingsServices Services(tarnwick::Dialogs* dialogs) {
    tarnwick::cfg::SettingsServices services;
    services.dialogs = dialogs;
    services.settingsFile = tarnwick::SettingsFilePath();
    services.eventsFile = tarnwick::EventsFilePath();
    services.programFolder = TheHome().Path("program/");
    services.autostartFolder = TheHome().Path("autostart/");
    services.runtimeFolder = tarnwick::platform::RuntimeFolder();
    return services;
}

bool WaitUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// From nothing to the window exposed on the screen: made, filled from the files, shown.
void BM_SettingsWindowStart(benchmark::State& state) {
    tarnwick::QtDialogs dialogs;
    const tarnwick::cfg::SettingsServices services = Services(&dialogs);
    for (auto _ : state) {
        auto window = std::make_unique<tarnwick::cfg::TfrMain>(services);
        window->FormCreate();
        window->show();
        if (!WaitUntil([&] { return window->windowHandle()->isExposed(); }, 5000)) {
            state.SkipWithError("the window was never exposed");
            return;
        }
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SettingsWindowStart)->Unit(benchmark::kMillisecond)->UseRealTime();

// "Apply" writes the settings file and returns when the running monitor has reloaded the
// settings, the skin and the events and acknowledged each.
void BM_ApplyWithMonitor(benchmark::State& state) {
    QProcess monitor;
    monitor.setProgram(QStringLiteral(TARNWICK_MONITOR));
    monitor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    monitor.start();
    const QString endpoints = QString::fromStdString(tarnwick::platform::RuntimeFolder());
    const bool listening = WaitUntil(
        [&] {
            return !QDir(endpoints)
                        .entryList({QStringLiteral("monitor-*.sock")}, QDir::System)
                        .isEmpty();
        },
        10000);
    if (!listening) {
        state.SkipWithError("the monitor did not start listening");
        return;
    }
    tarnwick::QtDialogs dialogs;
    tarnwick::cfg::TfrMain window(Services(&dialogs));
    window.FormCreate();
    window.show();
    auto* apply = window.findChild<QPushButton*>(QStringLiteral("btApply"));
    // The monitor listens before its start-up has ended (it measures the processor's speed
    // for half a second); the first refresh waits for that.
    apply->click();
    for (auto _ : state) {
        apply->click();
    }
    monitor.terminate();
    monitor.waitForFinished(5000);
}
BENCHMARK(BM_ApplyWithMonitor)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    FillHome(TheHome());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Tarnwick Settings"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
