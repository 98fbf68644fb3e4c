#include "settings/config/program.h"

#include "common/refresh.h"
#include "settings/config/mainwindow.h"
#include "settings/config/refresh_monitors.h"
#include "settings/events/events_editor.h"
#include "settings/skin/skin_editor.h"

namespace tarnwick::cfg {

SettingsProgram::SettingsProgram(const SettingsServices& services)
    : services_(services),
      main_(std::make_unique<TfrMain>(services)),
      events_(std::make_unique<TfrEvents>(services)),
      skin_(std::make_unique<TfrSkin>(services)) {
    timer1_.setSingleShot(true);
    timer1_.setInterval(55);
    connect(&timer1_, &QTimer::timeout, this, &SettingsProgram::Timer1Timer);
    connect(main_.get(), &TfrMain::skinEditorRequested, this, &SettingsProgram::ShowSkinEditor);
    connect(main_.get(), &TfrMain::eventsEditorRequested, this, &SettingsProgram::ShowEventsEditor);
    connect(main_.get(), &TfrMain::finished, this, &SettingsProgram::finished);
    connect(skin_.get(), &TfrSkin::closed, this, &SettingsProgram::SkinEditorClosed);
    connect(events_.get(), &TfrEvents::closed, this, &SettingsProgram::EventsEditorClosed);
}

SettingsProgram::~SettingsProgram() = default;

void SettingsProgram::Start(const QString& commandWord) {
    command_ = ParseCommandWord(commandWord);
    if (command_ != Command::None) {
        timer1_.start();
    }
    main_->FormCreate();
    if (ShowsSettingsWindowAtStart(command_)) {
        main_->show();
    }
}

void SettingsProgram::Timer1Timer() {
    switch (command_) {
        case Command::About:
            main_->SelectPage(TfrMain::kAboutPage);
            break;
        case Command::SkinEditor:
            ShowSkinEditor();
            break;
        case Command::EventsEditor:
            ShowEventsEditor();
            break;
        case Command::None:
        case Command::Other:
            break;
    }
}

void SettingsProgram::ShowSkinEditor() {
    main_->hide();
    skin_->show();
    skin_->raise();
    skin_->activateWindow();
}

void SettingsProgram::ShowEventsEditor() {
    main_->hide();
    events_->show();
    events_->raise();
    events_->activateWindow();
}

void SettingsProgram::SkinEditorClosed() {
    main_->LoadSkins();
    ComeBack(TfrMain::kSkinsPage);
}

void SettingsProgram::EventsEditorClosed() {
    main_->LoadEventsNames();
    ComeBack(TfrMain::kEventsPage);
    BroadcastToMonitors(services_, {kRefreshEventsMessage});
}

void SettingsProgram::ComeBack(int page) {
    main_->SelectPage(page);
    main_->show();
    main_->raise();
    main_->activateWindow();
}

}  // namespace tarnwick::cfg
