// Pictures of the monitor window with every skin in build/bin/skins, in both modes, for fixed
// readings: <folder>/<skin>-indicators.png (the processor's load and the memory in use) and
// <folder>/<skin>-diagram.png (the processor's load over a fixed run of samples). The window is
// the real one on fake figures, so two builds given the same readings must paint the same
// pixels; tools/screenshot-skins.sh runs it.
// Usage: monitor_shots <folder> [clock] [offset <percent>]
//   clock   the load is sampled on a sampling clock, as on Linux, instead of the TaktTimer
//   offset  adds this much to every load, so a comparison can be seen to catch a change
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMetaObject>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "monitor/window/mainwindow.h"
#include "tests/support/event_fakes.h"
#include "tests/support/fakes.h"
#include "tests/support/recording_tray_icon.h"

namespace tarnwick {
namespace {

constexpr std::int64_t kMB = 1024 * 1024;
constexpr int kDiagramSamples = 160;  // more than the widest shipped diagram has columns

struct Shot {
    const char* name;
    const char* settings;  // the settings file without its [skins] section
};

const Shot kShots[] = {
    {"indicators", "[main]\nmode=2\n[indicator1]\ntype=1\n[indicator2]\ntype=5\n"},
    {"diagram", "[main]\nmode=1\n[indicator3]\ntype=1\n"},
};

// The diagram's loads: a saw of rising steps, so every column and the slope between them show.
int DiagramLoad(int sample) {
    const int step = sample % 40;
    return step < 30 ? step * 3 + 10 : 100 - (step - 30) * 9;
}

class Monitor {
public:
    Monitor(const QString& folder, bool clock, int offset) : offset_(offset) {
        processor_.hasCounter = false;
        processor_.nominal = 2000;
        memory_.status = {8192 * kMB, 2867 * kMB, 4096 * kMB, 3072 * kMB, 12288 * kMB, 5120 * kMB};
        services_.processor = &processor_;
        services_.memory = &memory_;
        services_.priority = &priority_;
        services_.samplingClock = clock ? &clock_ : nullptr;
        services_.tray = &tray_;
        services_.dialogs = &dialogs_;
        services_.eventActions = &eventActions_;
        services_.programFolder = QCoreApplication::applicationDirPath().toStdString() + "/";
        services_.autostartFolder = (folder + QStringLiteral("/autostart/")).toStdString();
        services_.settingsFile = (folder + QStringLiteral("/tarnwick.cfg")).toStdString();
        services_.eventsFile = (folder + QStringLiteral("/events.cfg")).toStdString();
    }

    TfrMain& Start() {
        window_ = std::make_unique<TfrMain>(services_);
        window_->FormCreate();
        window_->show();
        // Only the ticks below move the readings.
        for (WindowTimer timer :
             {WindowTimer::TaktTimer, WindowTimer::Timer1, WindowTimer::Timer2, WindowTimer::Timer3,
              WindowTimer::EventsTimer, WindowTimer::IconsTimer, WindowTimer::TrayWatchTimer}) {
            window_->timer(timer).stop();
        }
        return *window_;
    }

    // 100 ms pass with the given load, and the processor is sampled.
    void Pass100Ms(int load) {
        load = std::min(load + offset_, 100);
        processor_.tick += 100;
        processor_.idle += (100 - load) * 10000;  // 1000000 units: 100 ms all idle
        if (services_.samplingClock != nullptr) {
            clock_.Beat();
        } else {
            Tick(WindowTimer::TaktTimer);
        }
    }

    void Tick(WindowTimer timer) { QMetaObject::invokeMethod(&window_->timer(timer), "timeout"); }

    bool Save(const QString& path) {
        QApplication::processEvents();
        if (!window_->grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
        std::printf("%s %dx%d\n", qPrintable(path), window_->width(), window_->height());
        return true;
    }

private:
    int offset_;
    testing::FakeProcessor processor_;
    testing::FakeMemory memory_;
    testing::FakePriority priority_;
    testing::FakeSamplingClock clock_;
    testing::FakeActionSet actionSet_;
    EventActions eventActions_{actionSet_.Services()};
    testing::RecordingTrayIcon tray_;
    testing::ScriptedDialogs dialogs_;
    MonitorServices services_;
    std::unique_ptr<TfrMain> window_;
};

bool WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

bool TakeShot(const QString& skinFile, const Shot& shot, const QString& out, bool clock,
              int offset) {
    QTemporaryDir data;
    const QByteArray settings = QByteArray(shot.settings) +
                                "[skins]\nactive=" + QDir::toNativeSeparators(skinFile).toUtf8() +
                                "\n";
    if (!data.isValid() || !WriteText(data.filePath(QStringLiteral("tarnwick.cfg")), settings)) {
        std::fprintf(stderr, "cannot write the settings\n");
        return false;
    }
    Monitor monitor(data.path(), clock, offset);
    monitor.Start();
    if (QLatin1String(shot.name) == QLatin1String("indicators")) {
        monitor.Pass100Ms(73);
        monitor.Tick(WindowTimer::Timer1);
        monitor.Tick(WindowTimer::Timer2);
    } else {
        for (int sample = 0; sample < kDiagramSamples; ++sample) {
            monitor.Pass100Ms(DiagramLoad(sample));
            monitor.Tick(WindowTimer::Timer3);
        }
    }
    return monitor.Save(out);
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: monitor_shots <folder> [clock] [offset <percent>]\n");
        return 2;
    }
    bool clock = false;
    int offset = 0;
    for (int i = 2; i < argc; ++i) {
        if (QLatin1String(argv[i]) == QLatin1String("clock")) {
            clock = true;
        } else if (QLatin1String(argv[i]) == QLatin1String("offset") && i + 1 < argc) {
            offset = QString::fromLatin1(argv[++i]).toInt();
        } else {
            std::fprintf(stderr, "unknown argument: %s\n", argv[i]);
            return 2;
        }
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QDir skins(QCoreApplication::applicationDirPath() + QStringLiteral("/skins"));
    const QStringList names = skins.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    if (!out.exists() || names.isEmpty()) {
        std::fprintf(stderr, "no folder %s or no skins in %s\n", argv[1], qPrintable(skins.path()));
        return 1;
    }
    for (const QString& name : names) {
        const QString skinFile =
            skins.filePath(name + QLatin1Char('/') + name + QStringLiteral(".skin"));
        if (!QFile::exists(skinFile)) {
            continue;  // not a skin of the usual shape: <name>/<name>.skin
        }
        for (const tarnwick::Shot& shot : tarnwick::kShots) {
            const QString path =
                out.filePath(name + QLatin1Char('-') + QLatin1String(shot.name) + ".png");
            if (!tarnwick::TakeShot(skinFile, shot, path, clock, offset)) {
                return 1;
            }
        }
    }
    return 0;
}
