#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

#include "settings/config/command_word.h"
#include "settings/services.h"

namespace tarnwick::cfg {

class TfrEvents;
class TfrMain;
class TfrSkin;

// The settings program's three windows and the rules by which they hand over to each other:
// an editor's button hides the settings window, an editor's close brings it back on the
// editor's page. The command word acts once, shortly after the event loop starts.
class SettingsProgram : public QObject {
    Q_OBJECT
public:
    explicit SettingsProgram(const SettingsServices& services);
    ~SettingsProgram() override;

    // Fills the settings window and shows it unless the word opens an editor.
    void Start(const QString& commandWord);

    TfrMain& settingsWindow() const { return *main_; }
    TfrEvents& eventsEditor() const { return *events_; }
    TfrSkin& skinEditor() const { return *skin_; }

signals:
    // The settings window closed: the program ends.
    void finished();

private:
    void Timer1Timer();
    void ShowSkinEditor();
    void ShowEventsEditor();
    void SkinEditorClosed();
    void EventsEditorClosed();
    void ComeBack(int page);

    SettingsServices services_;
    std::unique_ptr<TfrMain> main_;
    std::unique_ptr<TfrEvents> events_;
    std::unique_ptr<TfrSkin> skin_;
    Command command_ = Command::None;
    QTimer timer1_;
};

}  // namespace tarnwick::cfg
