#pragma once

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>
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
#include "monitor/tray/tray_icon.h"
#include "monitor/tray/tray_pictures.h"
#include "monitor/usecpu.h"
#include "monitor/window/menus.h"

class QAction;

namespace tarnwick {

class Dialogs;
class RefreshListener;

// What the monitor window needs from the system, so tests hand it fakes.
struct MonitorServices {
    platform::ProcessorFigures* processor = nullptr;
    platform::MemoryFigures* memory = nullptr;
    platform::ProcessPriority* priority = nullptr;
    TrayIcon* tray = nullptr;
    Dialogs* dialogs = nullptr;
    EventActions* eventActions = nullptr;  // null: the real ones (messages, sound, power)
    std::string programFolder;    // ends with "/": the settings program and skins/ lie there
    std::string autostartFolder;  // the folder of the XDG autostart entry
    std::string runtimeFolder;    // the folder of the refresh endpoint; empty: no listening
};

// The monitor window: two gauges or one diagram, the tray icon, the menus and the timers.
class TfrMain : public QWidget {
    Q_OBJECT
public:
    explicit TfrMain(const MonitorServices& services, QWidget* parent = nullptr);
    ~TfrMain() override;

    // The start-up sequence; the caller shows the window afterwards when ShowMainWindow().
    void FormCreate();
    bool ShowMainWindow() const { return options_.visible; }

    // The reloads the settings program asks for, and the "&Update settings" item.
    void ReloadSettings();
    void RefreshEvents();
    // Starts the settings program with an optional command word ("about", "skineditor",
    // "eventseditor"); an error box when it is not beside the monitor.
    void StartSettingsProgram(const QString& word = QString());
    // The close-time batch; the error box when it cannot be written.
    void SaveOpt();

    // For tests and the events engine: what the window holds.
    const Settings& Options() const { return options_; }
    const SkinLook& Look() const { return look_; }
    const QImage& Canvas() const { return canvas_; }
    const std::vector<SkinEntry>& Skins() const { return skins_; }
    const DiagramHistory& History() const { return history_; }
    Measures& measures() { return *measures_; }
    const CpuFigures& Cpu() const { return cpu_->Figures(); }
    QTimer& timer(const char* name);

protected:
    void paintEvent(QPaintEvent* event) override;
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
    struct Indicator {
        bool suspended = false;
        int frozenValue = 0;
        QString frozenText;
    };

    void LoadOpt(bool reload);
    void ApplyTrayMeasure(int newMeasure, bool reload);
    void CheckOnly(const QString& name, bool checked);
    void CheckIntervalItem(const QString& prefix, const QString& suffix, int interval);
    void KeepOnScreen();
    void ConnectMenus();
    void OnItem(const QString& name, const std::function<void()>& handler);
    QTimer& IndicatorTimer(int indicator) {
        return indicator == 0 ? Timer1_ : indicator == 1 ? Timer2_ : Timer3_;
    }

    // Skins
    void SkinList();
    void LoadSkin();
    void ApplyLook();
    void SkinMenuClick(int index);
    void pmRandomSkinClick();

    // Painting into the canvas, which paintEvent copies to the screen.
    void PaintOpt(int indicator);
    void PaintOpt3();
    void PaintOpt3Time();
    void SampleDiagram(bool byTimer);
    void FormPaint();
    void ClearCanvas();
    void Measure(int indicator, int& value, QString& text);

    // Tray
    void TrayIconAdd(int measure);
    void TrayIconModify(int measure);
    void TrayIconDelete();
    void IconsTimerTimer();
    void pmIconClick(int measure);
    void pmIconsSpeedClick(int interval);
    void pmMinClick();
    void TrayLeftClick();
    void TrayRightClick();

    // Placement (placement.cpp): dragging, docking, keeping on top.
    void SnapToEdges();
    void SetStaysOnTop(bool on);
    void KeepOnTop();
    void EndDrag();

    // The options of the popup menu (options.cpp).
    void ConnectOptions();
    void pmInfoClick();
    void pmPopClick();
    void pmDockClick();
    void pmBoltClick();
    void pmAutorunClick();
    void pmOneCopyClick();
    void pmPriorityClick();
    void pmTransparentClick(int percent);
    void pmModeClick(int mode);  // pmMode1 and pmMode2
    void pmMeasureClick(int indicator, int measure);
    void pmSpeedClick(int indicator, int interval);
    void pmStopClick(int indicator);
    void pmTextClick(int indicator);
    void MainPopMenuPopup();
    void OpenLink(const QString& url);
    void RefreshInfoHint();
    void ShowInfoHint();
    void ApplyAutorun(bool on);
    bool Checked(const QString& name) const;

    void WriteOrReport(const std::function<void()>& write);
    void FormClose();

    MonitorServices services_;
    std::unique_ptr<UseCpu> cpu_;
    std::unique_ptr<Measures> measures_;
    // After measures_, so the events go first when the window is destroyed.
    std::unique_ptr<EventActions> ownActions_;
    std::unique_ptr<EventsController> events_;
    std::unique_ptr<RefreshListener> refresh_;
    MonitorMenus menus_;
    Settings options_;
    std::array<Indicator, 3> indicators_;
    SkinLook look_;
    std::vector<SkinEntry> skins_;
    std::vector<QAction*> skinItems_;
    TrayPictures trayPictures_;
    int trayShown_ = 0;  // the measure the tray icon shows now; 0 while there is none
    DiagramHistory history_;
    QImage canvas_;
    bool closed_ = false;
    std::string measureText_;  // reused by every measure, so ticks do not allocate it anew

    // Our own move, where the window manager offers none: the pointer's offset from the
    // window's corner while the left button is held.
    bool dragging_ = false;
    QPoint dragOffset_;
    bool forbiddenCursor_ = false;  // the no-drop cursor of a fixed window is showing
    bool snapping_ = false;         // the move that SnapToEdges makes is not snapped again
    QString hintText_;              // the information hint, built when the mouse enters

    QTimer TaktTimer_;
    QTimer Timer1_;
    QTimer Timer2_;
    QTimer Timer3_;
    QTimer EventsTimer_;
    QTimer IconsTimer_;
    QTimer HintTimer_;  // the delay before the information hint shows
};

}  // namespace tarnwick
