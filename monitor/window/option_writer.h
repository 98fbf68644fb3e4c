#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "common/settings_keys.h"

namespace tarnwick {

class Dialogs;
struct Settings;

// Stores the window's options in its settings file: one key at once when an option changes,
// the whole batch at close. A failed write shows the error box; the change stays in effect.
class OptionWriter {
public:
    OptionWriter(std::string settingsFile, Dialogs& dialogs)
        : file_(std::move(settingsFile)), dialogs_(dialogs) {}

    const std::string& File() const { return file_; }
    void Write(const StringKey& key, std::string_view value);
    void Write(const IntegerKey& key, std::int32_t value);
    void Write(const BoolKey& key, bool value);
    void SaveOpt(const Settings& settings);
    // From now on a failed write goes to standard error and the system log, not into a box:
    // when the session ends the program, nobody is left to answer one.
    void ReportWithoutBox() { withoutBox_ = true; }

private:
    void WriteOrReport(const std::function<void()>& write);

    std::string file_;
    Dialogs& dialogs_;
    bool withoutBox_ = false;
};

}  // namespace tarnwick
