// The handlers of the popup menu and the tray menu. An option hands the change of the settings
// record, its check mark and its write to the options controller, with what the change does
// to the running window.
#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMenu>
#include <QToolTip>

#include <algorithm>

#include "common/links.h"
#include "common/settings.h"
#include "common/texts.h"
#include "common/ui/dialogs.h"
#include "common/ui/open_link.h"
#include "monitor/tray/reach.h"
#include "monitor/window/mainwindow.h"
#include "platform/process.h"

namespace tarnwick {

namespace {

// "Total: 512 MB", with the size in the measures' words.
QString Total(const QString& size) {
    return QCoreApplication::translate("MonitorMenu", "Total: %1").arg(size);
}

// Every item of the group carries its value, a T, in data().
template <typename T, typename Handler>
void OnGroup(TfrMain* window, QActionGroup* group, Handler handler) {
    QObject::connect(group, &QActionGroup::triggered, window,
                     [handler](QAction* item) { handler(item->data().value<T>()); });
}

}  // namespace

void TfrMain::ConnectMenus() {
    const auto on = [this](QAction* item, const std::function<void()>& handler) {
        connect(item, &QAction::triggered, this, handler);
    };
    on(menus_.about, [this] { StartSettingsProgram(QStringLiteral("about")); });
    on(menus_.config, [this] { StartSettingsProgram(); });
    on(menus_.configTray, [this] { StartSettingsProgram(); });
    on(menus_.skinsEdit, [this] { StartSettingsProgram(QStringLiteral("skineditor")); });
    on(menus_.skinsTray, [this] { StartSettingsProgram(QStringLiteral("skineditor")); });
    on(menus_.eventsEdit, [this] { StartSettingsProgram(QStringLiteral("eventseditor")); });
    on(menus_.eventsTray, [this] { StartSettingsProgram(QStringLiteral("eventseditor")); });
    on(menus_.refreshOpt, [this] { ReloadSettings(); });
    on(menus_.refEvents, [this] { RefreshEvents(); });
    on(menus_.close, [this] { close(); });
    on(menus_.closeTray, [this] { close(); });
    on(menus_.min, [this] { pmMinClick(); });
    on(menus_.minTray, [this] { pmMinClick(); });
    connect(menus_.trayIcons, &QActionGroup::triggered, this,
            [this](QAction* item) { pmIconClick(item->data().value<TrayMeasure>()); });
    connect(menus_.iconsSpeeds, &QActionGroup::triggered, this,
            [this](QAction* item) { pmIconsSpeedClick(item->data().toInt()); });
    on(menus_.info, [this] { pmInfoClick(); });
    on(menus_.pop, [this] { pmPopClick(); });
    on(menus_.dock, [this] { pmDockClick(); });
    on(menus_.bolt, [this] { pmBoltClick(); });
    on(menus_.autorun, [this] { pmAutorunClick(); });
    on(menus_.oneCopy, [this] { pmOneCopyClick(); });
    on(menus_.priority, [this] { pmPriorityClick(); });
    OnGroup<int>(this, menus_.transparencies, [this](int percent) { pmTransparentClick(percent); });
    OnGroup<DisplayMode>(this, menus_.modes, [this](DisplayMode mode) { pmModeClick(mode); });
    for (int i = 0; i < 3; ++i) {
        const IndicatorItems& items = menus_.indicators[i];
        OnGroup<Measure>(this, items.measures,
                         [this, i](Measure measure) { pmMeasureClick(i, measure); });
        OnGroup<int>(this, items.speeds, [this, i](int interval) { pmSpeedClick(i, interval); });
        on(items.stop, [this, i] { pmStopClick(i); });
        on(items.text, [this, i] { pmTextClick(i); });
    }
    // The site's pages when the build names a site, else the manual installed with us; a
    // link that cannot be opened says so in a box.
    const auto site = [this](const char* path) {
        OpenSiteLink(*services_.dialogs, path, platform::ShippedFolderOf(services_.programFolder));
    };
    on(menus_.manual, [site] { site(kManualPath); });
    on(menus_.website, [site] { site(kProductPagePath); });
    on(menus_.support, [this] { OpenLink(*services_.dialogs, QString::fromLatin1(kSupportMail)); });
    on(menus_.clipboardManager, [site] { site(kClipboardManagerPath); });
    connect(menus_.main, &QMenu::aboutToShow, this, &TfrMain::MainPopMenuPopup);
}

// Information hint ----------------------------------------------------------------------------

void TfrMain::pmInfoClick() {
    options_.Toggle(OptionsController::Switch::Info, [this](bool on) {
        if (!on) {
            ticker_.Timer(WindowTimer::HintTimer).stop();
            QToolTip::hideText();
        }
    });
}

void TfrMain::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    pointerAt_ = event->globalPosition().toPoint();
    RefreshInfoHint();
}

void TfrMain::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    ticker_.Timer(WindowTimer::HintTimer).stop();
}

// The figures of the moment the mouse came in, shown after the delay of the settings.
void TfrMain::RefreshInfoHint() {
    const Settings& s = options_.Record();
    if (!s.info) {
        return;
    }
    hintText_ = QString::fromStdString(measures_->InfoHintText());
    hintText_.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    ticker_.Timer(WindowTimer::HintTimer)
        .start(std::max(0, s.infoshow));  // the file may hold anything
}

void TfrMain::ShowInfoHint() {
    const Settings& s = options_.Record();
    if (!s.info || !isVisible()) {
        return;
    }
    // A display time of 0 or less lets the tool tip choose one from the length of the text.
    // A Wayland compositor tells no program where the pointer is on the screen: there the
    // hint shows where the pointer was last seen on the window.
    const QPoint at = layer_ != nullptr ? pointerAt_ : QCursor::pos();
    QToolTip::showText(at, hintText_, this, rect(), s.infohide);
}

// Window options --------------------------------------------------------------------------------

void TfrMain::pmPopClick() {
    options_.Toggle(OptionsController::Switch::Popup,
                    [this](bool on) { placement_.SetStaysOnTop(on); });
}

void TfrMain::pmDockClick() {
    options_.Toggle(OptionsController::Switch::Snap);
}

void TfrMain::pmBoltClick() {
    options_.Toggle(OptionsController::Switch::Bolt);
}

void TfrMain::pmAutorunClick() {
    options_.Toggle(OptionsController::Switch::Autorun,
                    [this](bool on) { options_.ApplyAutorun(on); });
}

// Acts when the next copy starts; the running one is not affected.
void TfrMain::pmOneCopyClick() {
    options_.Toggle(OptionsController::Switch::OneCopy);
}

// Linux lets an ordinary user lower the priority (nice 19) but not raise it again: the way
// back to normal is refused until the program starts anew. The check mark and the file follow
// the user's choice all the same, so the next start runs at normal priority as chosen.
void TfrMain::pmPriorityClick() {
    options_.Toggle(OptionsController::Switch::LowPriority,
                    [this](bool on) { cpu_->SetPriority(on ? -1 : 0); });
}

void TfrMain::pmTransparentClick(int percent) {
    options_.ChooseTransparency(percent, [this, percent] { SetTransparency(percent); });
}

// Display mode ----------------------------------------------------------------------------------

// Switching clears the window and paints the new mode; the mode is written either way.
void TfrMain::pmModeClick(DisplayMode mode) {
    options_.ChooseMode(mode, [this] {
        display_.ClearCanvas();
        display_.FormPaint();
    });
}

// Indicators ------------------------------------------------------------------------------------

// The new measure shows at the indicator's next tick. The diagram's history keeps its columns
// while the measure stays with the same resource: a percentage of the same thing.
void TfrMain::pmMeasureClick(int indicator, Measure measure) {
    if (options_.ChangesDiagramResource(indicator, measure)) {
        display_.ResetHistory();
    }
    options_.ChooseMeasure(indicator, measure);
}

void TfrMain::pmSpeedClick(int indicator, int interval) {
    options_.ChooseSpeed(indicator, interval, [this, indicator, interval] {
        ticker_.IndicatorTimer(indicator).setInterval(interval);
    });
}

// Not stored. A suspended gauge keeps the reading of this moment for every repaint; the
// diagram goes on sampling into its live history but shows a copy of it from now, with the
// text of its last tick.
void TfrMain::pmStopClick(int indicator) {
    menus_.indicators[indicator].stop->setChecked(display_.ToggleSuspension(indicator));
}

void TfrMain::pmTextClick(int indicator) {
    options_.ToggleText(indicator, [this, indicator] {
        const DisplayMode mode = options_.Record().Mode();
        if (indicator < 2 && mode == DisplayMode::TwoIndicators) {
            display_.PaintOpt(indicator);
        } else if (indicator == 2 && mode == DisplayMode::OneDiagram) {
            display_.PaintOpt3();
        }
    });
}

// Tray ---------------------------------------------------------------------------------------

void TfrMain::pmIconClick(TrayMeasure tray) {
    const bool wasTicked = options_.Record().Tray() == tray;
    const TrayMeasure next = wasTicked ? TrayMeasure::None : tray;
    if (wasTicked) {
        tray_.TrayIconDelete();
    } else if (tray_.Showing()) {
        tray_.TrayIconModify(tray);
    } else {
        tray_.TrayIconAdd(tray);
    }
    options_.ChooseTray(next, [this, next] {
        if (!isVisible() && next == TrayMeasure::None) {
            pmMinClick();  // without an icon the window must show
        }
    });
}

void TfrMain::pmIconsSpeedClick(int interval) {
    options_.ChooseIconsSpeed(interval,
                              [this, interval] { tray_.IconsTimer().setInterval(interval); });
}

void TfrMain::pmMinClick() {
    if (!CanToggleWindow(tray_.Available(), isVisible())) {
        return;  // no tray host: a hidden window could not be brought back
    }
    shownForWantOfTray_ = false;  // from now on the window is as the user put it
    if (isVisible()) {
        if (options_.Record().Tray() == TrayMeasure::None) {
            // The window hides only where the tray icon can bring it back.
            pmIconClick(TrayMeasure::Processor);
        }
        placement_.SyncPosition();  // the hidden window keeps the position it stood at
        hide();
    } else {
        show();
        raise();
        activateWindow();
    }
    ShowMinItems(isVisible());
}

// Menu and links --------------------------------------------------------------------------------

// The "Total" items show the figures of the moment the menu opens.
void TfrMain::MainPopMenuPopup() {
    measures_->RefreshMemoryStatus();
    const platform::MemoryStatus& status = measures_->Status();
    const QString byte = UnitText(Unit::Byte);
    const auto size = [this, &byte](std::int64_t bytes) {
        return Total(QString::fromStdString(measures_->SizeText(bytes)) + byte);
    };
    const std::array<QString, 4> totals = {
        Total(QString::number(Cpu().CPUSpeed) + QLatin1Char(' ') + UnitText(Unit::Megahertz)),
        size(measures_->TotalPhysAtStart()), size(status.totalPageFile), size(status.totalVirtual)};
    for (IndicatorItems& items : menus_.indicators) {
        for (std::size_t resource = 0; resource < totals.size(); ++resource) {
            items.total[resource]->setText(totals[resource]);
        }
    }
}

}  // namespace tarnwick
