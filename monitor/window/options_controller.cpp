#include "monitor/window/options_controller.h"

#include <QAction>

#include <array>

#include "common/autorun.h"
#include "common/profile_file.h"
#include "monitor/window/menus.h"

namespace tarnwick {

namespace {

// Ticks exactly the item of a group whose data() is value; none when no item has it.
template <std::size_t N, typename T>
void CheckValue(const std::array<QAction*, N>& items, T value) {
    for (QAction* item : items) {
        item->setChecked(item->data().value<T>() == value);
    }
}

// Where each switch lives: its field of the record, its menu item and its key.
struct SwitchPlace {
    bool Settings::*field;
    QAction* MonitorMenus::*item;
    const BoolKey& key;
};

const SwitchPlace& PlaceOf(OptionsController::Switch which) {
    static const SwitchPlace kPlaces[] = {
        // In the order of OptionsController::Switch.
        {&Settings::info, &MonitorMenus::info, setting::kInfo},
        {&Settings::popup, &MonitorMenus::pop, setting::kPopup},
        {&Settings::snap, &MonitorMenus::dock, setting::kSnap},
        {&Settings::bolt, &MonitorMenus::bolt, setting::kBolt},
        {&Settings::autorun, &MonitorMenus::autorun, setting::kAutorun},
        {&Settings::onecopy, &MonitorMenus::oneCopy, setting::kOneCopy},
        {&Settings::lowprior, &MonitorMenus::priority, setting::kLowPrior},
    };
    return kPlaces[static_cast<std::size_t>(which)];
}

}  // namespace

OptionsController::OptionsController(MonitorMenus& menus, std::string settingsFile,
                                     Dialogs& dialogs, std::string monitorProgram,
                                     std::string autostartFolder)
    : menus_(menus),
      writer_(std::move(settingsFile), dialogs),
      monitorProgram_(std::move(monitorProgram)),
      autostartFolder_(std::move(autostartFolder)) {}

void OptionsController::Read() {
    record_ = ReadMonitorSettings(LoadProfile(writer_.File()));
    ApplyAutorun(record_.autorun);
}

void OptionsController::ShowOptions() {
    const Settings& s = record_;
    menus_.oneCopy->setChecked(s.onecopy);
    (s.Mode() == DisplayMode::OneDiagram ? menus_.mode1 : menus_.mode2)->setChecked(true);
    menus_.autorun->setChecked(s.autorun);
    menus_.info->setChecked(s.info);
    menus_.bolt->setChecked(s.bolt);
    menus_.priority->setChecked(s.lowprior);
    menus_.pop->setChecked(s.popup);
    menus_.dock->setChecked(s.snap);
    CheckValue(menus_.transparency, s.transparent);
    for (int i = 0; i < 3; ++i) {
        const IndicatorSettings& indicator = s.indicators[i];
        IndicatorItems& items = menus_.indicators[i];
        CheckValue(items.measure, indicator.Shows());
        CheckValue(items.speed, indicator.time);
        items.text->setChecked(indicator.visible);
    }
    ShowTrayMeasure();
    CheckValue(menus_.iconsSpeed, s.iconstime);
}

void OptionsController::ShowTrayMeasure() {
    CheckValue(menus_.trayIcon, record_.Tray());
    CheckValue(menus_.trayIconTray, record_.Tray());
}

void OptionsController::SaveOpt(const Settings& batch) {
    writer_.SaveOpt(batch);
    ApplyAutorun(batch.autorun);
}

void OptionsController::ApplyAutorun(bool on) {
    SetAutorun(on, monitorProgram_, autostartFolder_);
}

void OptionsController::Toggle(Switch which, const std::function<void(bool on)>& effect) {
    const SwitchPlace& place = PlaceOf(which);
    bool& on = record_.*place.field;
    on = !on;
    (menus_.*place.item)->setChecked(on);
    if (effect) {
        effect(on);
    }
    writer_.Write(place.key, on);
}

void OptionsController::ToggleText(int indicator, const std::function<void()>& effect) {
    bool& visible = record_.indicators[indicator].visible;
    visible = !visible;
    menus_.indicators[indicator].text->setChecked(visible);
    effect();
    writer_.Write(setting::kTextShowing[indicator], visible);
}

void OptionsController::ChooseTransparency(int percent, const std::function<void()>& effect) {
    record_.transparent = percent;
    menus_.transparency[static_cast<std::size_t>(percent / 10)]->setChecked(true);
    effect();
    writer_.Write(setting::kTransparent, percent);
}

void OptionsController::ChooseMode(DisplayMode mode, const std::function<void()>& effect) {
    if (record_.Mode() != mode) {
        record_.SetMode(mode);
        effect();
    }
    (mode == DisplayMode::OneDiagram ? menus_.mode1 : menus_.mode2)->setChecked(true);
    writer_.Write(setting::kMode, NumberOf(mode));
}

bool OptionsController::ChangesDiagramResource(int indicator, Measure measure) const {
    return indicator == 2 && record_.indicators[2].Shows().resource != measure.resource;
}

void OptionsController::ChooseMeasure(int indicator, Measure measure) {
    record_.indicators[indicator].Show(measure);
    menus_.indicators[indicator].measure[measure.Index()]->setChecked(true);
    writer_.Write(setting::kType[indicator], NumberOf(measure));
}

void OptionsController::ChooseSpeed(int indicator, int interval,
                                    const std::function<void()>& effect) {
    record_.indicators[indicator].time = interval;
    menus_.indicators[indicator].speed[static_cast<std::size_t>(SpeedIndex(interval))]->setChecked(
        true);
    effect();
    writer_.Write(setting::kTime[indicator], interval);
}

void OptionsController::ChooseIconsSpeed(int interval, const std::function<void()>& effect) {
    record_.iconstime = interval;
    CheckValue(menus_.iconsSpeed, interval);
    effect();
    writer_.Write(setting::kIconsTime, interval);
}

void OptionsController::ChooseTray(TrayMeasure tray, const std::function<void()>& effect) {
    record_.SetTray(tray);
    ShowTrayMeasure();
    effect();
    writer_.Write(setting::kIcons, NumberOf(tray));
}

}  // namespace tarnwick
