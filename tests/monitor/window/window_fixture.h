#pragma once

// The monitor window under test: offscreen, with fake figures, a recording tray icon and a
// scripted dialog seam, against real settings files in a temp folder.
#include "monitor/window/mainwindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>
#include <optional>

#include "common/profile_file.h"
#include "tests/support/event_fakes.h"
#include "tests/support/fakes.h"
#include "tests/support/recording_tray_icon.h"

namespace tarnwick {

constexpr std::int64_t kMB = 1024 * 1024;

// The item of either menu of the window called name; nullptr when there is none.
inline QAction* MenuItem(const QWidget* window, const QString& name) {
    return window->findChild<QAction*>(name);
}

// One tick of a window timer, as if its interval had passed.
inline void Tick(QTimer& timer) {
    QMetaObject::invokeMethod(&timer, "timeout");
}

class MonitorWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QDir(dir_.path()).mkpath(QStringLiteral("config"));
        QDir(dir_.path()).mkpath(QStringLiteral("program/skins"));
        processor_.hasCounter = false;
        processor_.nominal = 2000;
        memory_.status = {512 * kMB, 256 * kMB, 1024 * kMB, 768 * kMB, 2048 * kMB, 2048 * kMB};
        services_.processor = &processor_;
        services_.memory = &memory_;
        services_.priority = &priority_;
        services_.tray = &tray_;
        services_.dialogs = &dialogs_;
        services_.programFolder = Path("program/");
        services_.autostartFolder = Path("autostart/");
        services_.settingsFile = SettingsPath();
        services_.eventsFile = Path("config/tarnwick/events.cfg");
        services_.eventActions = &eventActions_;
    }
    void TearDown() override { window_.reset(); }

    std::string Path(const std::string& name) const {
        return dir_.path().toStdString() + "/" + name;
    }
    std::string SettingsPath() const { return Path("config/tarnwick/tarnwick.cfg"); }
    // Writes a file below the temporary folder, making its folders.
    void WriteFile(const std::string& name, const std::string& text) {
        const QString path = QString::fromStdString(Path(name));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.c_str());
    }
    void WriteSettings(const std::string& text) { WriteFile("config/tarnwick/tarnwick.cfg", text); }
    std::optional<std::string> Stored(const char* section, const char* key) const {
        return LoadProfile(SettingsPath()).Get(section, key);
    }

    TfrMain& Start() {
        window_ = std::make_unique<TfrMain>(services_);
        window_->FormCreate();
        if (window_->ShowMainWindow()) {
            window_->show();
        }
        return *window_;
    }
    QAction* Item(const char* name) const {
        QAction* item = MenuItem(window_.get(), QString::fromLatin1(name));
        EXPECT_NE(item, nullptr) << name;
        return item;
    }
    void Click(const char* name) { Item(name)->trigger(); }

    QTemporaryDir dir_;
    testing::FakeProcessor processor_;
    testing::FakeMemory memory_;
    testing::FakeActionSet actionSet_;
    EventActions eventActions_{actionSet_.Services()};
    testing::FakePriority priority_;
    testing::RecordingTrayIcon tray_;
    testing::ScriptedDialogs dialogs_;
    MonitorServices services_;
    std::unique_ptr<TfrMain> window_;
};

}  // namespace tarnwick
