#pragma once

#include <QWidget>

#include <memory>

#include "common/ui/app_title.h"
#include "settings/events/event_form.h"
#include "settings/services.h"

namespace tarnwick::platform {
class ToneOutput;
}

namespace tarnwick::cfg {

class ActionPanel;
class EventColumn;
class SignalCheck;

// The events editor: makes, changes and deletes the events of the events file. It holds no
// event of its own: choosing an entry loads it into the controls, "Apply" writes them back.
class TfrEvents : public QWidget {
    Q_OBJECT
public:
    // Plays "Check up" on the system's tones.
    explicit TfrEvents(const SettingsServices& services, QWidget* parent = nullptr);
    // Plays "Check up" on the given tones, which outlive the editor.
    TfrEvents(const SettingsServices& services, platform::ToneOutput& tones,
              QWidget* parent = nullptr);
    ~TfrEvents() override;

signals:
    // The editor was closed (its close box or the system menu); the settings window takes
    // over and tells the monitors.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Build();

    void FormShow();
    void LoadEventsNames(int selected = 0);
    void cmNamesChange();
    void CleanFrames();
    void LoadEvent();
    void cmActionChange();
    void Button2Click();  // "Apply"
    void Button1Click();  // "Delete"
    void Button7Click();  // "Help"
    void Button3Click();  // "Check up"
    void Button4Click();  // "..." of the program
    void Button5Click();  // "..." of the document
    void Button6Click();  // "..." of the folder

    EventForm ReadForm() const;
    void ShowForm(const EventForm& form);
    void SaveEvent(const EventForm& form);
    void ShowCheckMessage(const QString& text);

    SettingsServices services_;
    std::unique_ptr<platform::ToneOutput> ownTones_;
    platform::ToneOutput& tones_;
    QWidget* body_ = nullptr;  // the controls, scrolled where the screen is too small
    EventColumn* column_ = nullptr;
    ActionPanel* panel_ = nullptr;
    SignalCheck* signal_ = nullptr;
    BorrowedApplicationTitle title_;  // the program's display name, given back at closing
};

}  // namespace tarnwick::cfg
