#pragma once

#include <functional>
#include <string>

#include "common/settings.h"
#include "monitor/window/option_writer.h"

namespace tarnwick {

class Dialogs;
struct MonitorMenus;

// The options of the monitor window: the settings record that every part of the window reads,
// the check marks of the menus that show it, and the writer that stores it. A change from the
// menu goes into the record, shows in its check mark, then acts on the running window through
// the effect the caller hands in, and is stored at once; a failed write shows its box with the
// change already in effect.
class OptionsController {
public:
    // The options that are on or off: the items of "&Parameters".
    enum class Switch { Info, Popup, Snap, Bolt, Autorun, OneCopy, LowPriority };

    // monitorProgram is the path automatic loading starts; autostartFolder holds its entry.
    OptionsController(MonitorMenus& menus, std::string settingsFile, Dialogs& dialogs,
                      std::string monitorProgram, std::string autostartFolder);

    Settings& Record() { return record_; }
    const Settings& Record() const { return record_; }
    OptionWriter& Writer() { return writer_; }

    // Reads every key of the settings file into the record and applies automatic loading.
    void Read();
    // The check marks of the menus from the record (the skin menu shows its own).
    void ShowOptions();
    void ShowTrayMeasure();
    // The close-time batch, then automatic loading as it says.
    void SaveOpt(const Settings& batch);
    void ApplyAutorun(bool on);
    // When the session ends the program: a failed write is logged, not shown.
    void ReportWithoutBox() { writer_.ReportWithoutBox(); }

    void Toggle(Switch which, const std::function<void(bool on)>& effect = nullptr);
    void ToggleText(int indicator, const std::function<void()>& effect);
    void ChooseTransparency(int percent, const std::function<void()>& effect);
    // The effect runs only when the mode changes; the mode is written either way.
    void ChooseMode(DisplayMode mode, const std::function<void()>& effect);
    // Whether choosing measure for indicator starts the diagram's history anew: the diagram
    // moves to another resource.
    bool ChangesDiagramResource(int indicator, Measure measure) const;
    void ChooseMeasure(int indicator, Measure measure);
    void ChooseSpeed(int indicator, int interval, const std::function<void()>& effect);
    void ChooseIconsSpeed(int interval, const std::function<void()>& effect);
    void ChooseTray(TrayMeasure tray, const std::function<void()>& effect);

private:
    MonitorMenus& menus_;
    Settings record_;  // the one owner of every setting; the check marks show it
    OptionWriter writer_;
    std::string monitorProgram_;
    std::string autostartFolder_;
};

}  // namespace tarnwick
