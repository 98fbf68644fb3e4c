#pragma once

#include <QImage>
#include <QShortcut>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "common/paint/history.h"
#include "common/settings.h"
#include "common/skin/look.h"
#include "common/skin/skin_list.h"
#include "monitor/events/events_controller.h"
#include "monitor/events/system_actions.h"
#include "monitor/measures.h"
#include "monitor/tick_memory.h"
#include "monitor/tray/tray_icon.h"
#include "monitor/usecpu.h"
#include "monitor/window/display.h"
#include "monitor/window/layer_popups.h"
#include "monitor/window/menus.h"
#include "monitor/window/options_controller.h"
#include "monitor/window/placement.h"
#include "monitor/window/screen_readings.h"
#include "monitor/window/skin_menu.h"
#include "monitor/window/ticker.h"
#include "monitor/window/tray_controller.h"
#include "platform/layer_shell.h"
#include "platform/sampling_clock.h"

namespace tarnwick {

class Dialogs;
class RefreshListener;

// What the monitor window needs from the system, so tests hand it fakes and temp paths.
struct MonitorServices {
    platform::ProcessorFigures* processor = nullptr;
    platform::MemoryFigures* memory = nullptr;
    platform::ProcessPriority* priority = nullptr;
    // The 100 ms processor sampling off the event loop; null: the TaktTimer on the loop.
    platform::SamplingClock* samplingClock = nullptr;
    TrayIcon* tray = nullptr;
    Dialogs* dialogs = nullptr;
    EventActions* eventActions = nullptr;  // null: the real ones (messages, sound, power)
    std::string settingsFile;              // tarnwick.cfg; its folder is made at start-up
    std::string eventsFile;                // events.cfg
    std::string programFolder;    // ends with "/": the settings program and skins/ lie there
    std::string autostartFolder;  // the folder of the XDG autostart entry
    std::string runtimeFolder;    // the folder of the refresh endpoint; empty: no listening
    // The window system's name (QGuiApplication::platformName()); empty: the running one.
    QString platformName;
    // The window goes on a layer of the Wayland compositor (see PrepareWindowSystem).
    bool layerSurface = false;
    // Whether assistive technology listens (null: QAccessible::isActive); the readings are
    // put into words only then.
    bool (*assistiveTechnology)() = nullptr;
};

// The monitor window: two gauges or one diagram, the tray icon, the menus and the timers.
// It wires the objects that do the work: the options controller holds the settings record,
// the display paints, the placement moves the window, the ticker runs the timers, the tray
// controller runs the icon, the skin menu chooses skins, the events controller runs the
// events, the screen readings put the figures into words. The handlers the menus call stay
// here (options.cpp) and hand the work on.
class TfrMain : public QWidget {
    Q_OBJECT
public:
    explicit TfrMain(const MonitorServices& services, QWidget* parent = nullptr);
    ~TfrMain() override;

    // The start-up sequence; the caller shows the window afterwards when ShowMainWindow():
    // as the settings say, but never hidden where nothing could bring it back (no tray host,
    // or no tray icon chosen).
    void FormCreate();
    bool ShowMainWindow() const { return showAtStart_; }

    // The reloads the settings program asks for, and the "&Update settings" item.
    void ReloadSettings();
    void RefreshEvents();
    // Starts the settings program with an optional command word ("about", "skineditor",
    // "eventseditor"); an error box when it is not beside the monitor.
    void StartSettingsProgram(const QString& word = QString());
    // The close-time batch; the error box when it cannot be written.
    void SaveOpt();
    // The session ends the program: a failed close batch is logged instead of shown.
    void SessionEnding() { options_.ReportWithoutBox(); }

    // For tests and the events engine: what the window holds.
    const Settings& Options() const { return options_.Record(); }
    const SkinLook& Look() const { return display_.Look(); }
    const QImage& Canvas() const { return display_.Canvas(); }
    const std::vector<SkinEntry>& Skins() const { return skinMenu_.Skins(); }
    const DiagramHistory& History() const { return display_.History(); }
    Measures& measures() { return *measures_; }
    const CpuFigures& Cpu() const { return cpu_->Figures(); }
    // TaktTimer stands still while a sampling clock of the services beats.
    QTimer& timer(WindowTimer which) { return ticker_.Timer(which); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void LoadOpt(bool reload);
    // "&Minimize" or "&Restore" on both items, unavailable (with the reason as their tool tip)
    // while a shown window has no tray host to hide behind.
    void ShowMinItems(bool shown);
    void TrayAvailabilityChanged(bool available);
    void OpenMenuFromKeyboard();
    void ApplyLook(const SkinLook& look);
    void FormClose();
    void BecomeLayerSurface();
    // The window's opacity for a transparency in percent: the window system's, or on a layer
    // surface, where a compositor has none, the paint's.
    void SetTransparency(int percent);

    // The handlers of the menus (options.cpp).
    void ConnectMenus();
    void pmIconClick(TrayMeasure tray);
    void pmIconsSpeedClick(int interval);
    void pmMinClick();
    void pmInfoClick();
    void pmPopClick();
    void pmDockClick();
    void pmBoltClick();
    void pmAutorunClick();
    void pmOneCopyClick();
    void pmPriorityClick();
    void pmTransparentClick(int percent);
    void pmModeClick(DisplayMode mode);  // pmMode1 and pmMode2
    void pmMeasureClick(int indicator, Measure measure);
    void pmSpeedClick(int indicator, int interval);
    void pmStopClick(int indicator);
    void pmTextClick(int indicator);
    void MainPopMenuPopup();
    void RefreshInfoHint();
    void ShowInfoHint();

    MonitorServices services_;
    MonitorMenus menus_;
    OptionsController options_;
    MonitorDisplay display_;
    TrayController tray_;
    SkinMenu skinMenu_;
    WindowPlacement placement_;
    ScreenReadings readings_;
    // On a Wayland compositor with the layer shell: the window's layer surface, and the layer
    // surfaces of its menus and hints. Null elsewhere.
    std::unique_ptr<platform::LayerSurface> layer_;
    std::unique_ptr<LayerPopups> layerPopups_;
    double paintOpacity_ = 1.0;
    QPoint pointerAt_;  // on a layer surface: where the pointer was last seen on the window
    std::unique_ptr<UseCpu> cpu_;
    std::unique_ptr<TickMemoryFigures> tickMemory_;  // what the measures read
    std::unique_ptr<Measures> measures_;
    // After measures_, so the events go first when the window is destroyed.
    std::unique_ptr<EventActions> ownActions_;
    std::unique_ptr<EventsController> events_;
    std::unique_ptr<RefreshListener> refresh_;
    // Last: its timers stop before what their ticks work on goes.
    Ticker ticker_;
    bool closed_ = false;
    bool showAtStart_ = true;
    // The window shows only because nothing could bring a hidden one back; the user's choice
    // to keep it hidden is what the close batch stores.
    bool shownForWantOfTray_ = false;
    QShortcut* menuKey_ = nullptr;  // Shift+F10, the other key for the popup menu
    QString hintText_;              // the information hint, built when the mouse enters
};

}  // namespace tarnwick
