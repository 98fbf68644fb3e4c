#pragma once

// The settings window under test: offscreen, a scripted dialog seam, and real files in a
// temporary folder: the data folder, the program folder with its skins, the autostart
// folder and a runtime folder where a stand-in monitor can listen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <string>

#include "common/profile_file.h"
#include "settings/config/mainwindow.h"
#include "tests/support/process_support.h"
#include "tests/support/scripted_dialogs.h"

namespace tarnwick::cfg {

class CfgTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const char* folder : {"data", "program/skins", "autostart", "run"}) {
            QDir(dir_.path()).mkpath(QLatin1String(folder));
        }
        services_.dialogs = &dialogs_;
        services_.settingsFile = Path("data/tarnwick.cfg");
        services_.eventsFile = Path("data/events.cfg");
        services_.programFolder = Path("program/");
        services_.autostartFolder = Path("autostart/");
        services_.runtimeFolder = Path("run/tarnwick/");
    }
    void TearDown() override { window_.reset(); }

    std::string Path(const std::string& name) const {
        return dir_.path().toStdString() + "/" + name;
    }
    // Writes a file below the temporary folder, making its folders.
    void WriteFile(const std::string& name, const QByteArray& bytes) {
        const QString path = QString::fromStdString(Path(name));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void WriteSettings(const QByteArray& text) { WriteFile("data/tarnwick.cfg", text); }
    std::optional<std::string> Stored(const char* section, const char* key) const {
        return LoadProfile(services_.settingsFile).Get(section, key);
    }

    TfrMain& Open() {
        window_ = std::make_unique<TfrMain>(services_);
        window_->FormCreate();
        root_ = window_.get();
        return *window_;
    }
    template <typename T>
    T* Find(const char* name) const {
        T* widget = root_->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Click(const char* button) { Find<QAbstractButton>(button)->click(); }
    QStringList Rows(const char* list) const {
        QStringList rows;
        const auto* widget = Find<QListWidget>(list);
        for (int i = 0; i < widget->count(); ++i) {
            rows << widget->item(i)->text();
        }
        return rows;
    }

    // A stand-in monitor listening in the runtime folder; its requests land in Heard().
    void StartMonitor() {
        monitor_ = std::make_unique<testing::HelperProcess>(QString::fromStdString(Path("run")),
                                                            QStringList{"listen", HeardPath()});
        ASSERT_EQ(monitor_->FirstLine(), "ready");
    }
    QString HeardPath() const { return QString::fromStdString(Path("heard.txt")); }
    QByteArray Heard() const {
        QFile file(HeardPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
    testing::ScriptedDialogs dialogs_;
    SettingsServices services_;
    std::unique_ptr<TfrMain> window_;
    QWidget* root_ = nullptr;  // the settings window the controls are looked for in
    std::unique_ptr<testing::HelperProcess> monitor_;
};

}  // namespace tarnwick::cfg
