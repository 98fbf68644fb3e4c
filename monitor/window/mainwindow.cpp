#include "monitor/window/mainwindow.h"

#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cstring>

#include "common/autorun.h"
#include "common/datafolder.h"
#include "common/platform_id.h"
#include "common/profile_file.h"
#include "common/programs.h"
#include "common/refresh.h"
#include "common/ui/dialogs.h"
#include "monitor/tray/reach.h"
#include "platform/process.h"
#include "platform/window_hints.h"

namespace tarnwick {

namespace {

// The timers as readers of the memory figures (the tray icon's is the tray controller's).
constexpr int kTimer1Reader = 0;
constexpr int kTimer2Reader = 1;
constexpr int kTimer3Reader = 2;
constexpr int kEventsReader = 4;
static_assert(TrayController::kTrayReader == 3);

// Whether the window system tells a client where its window stands. A Wayland compositor
// places windows itself and tells the client nothing: Qt reports 0,0 there.
bool TellsWindowPosition(const QString& platformName) {
    return !platformName.startsWith(QLatin1String("wayland"));
}

constexpr char kAccessiblePrefix[] = "Tarnwick: ";

// Why docking and fixing are greyed where the compositor places the window.
constexpr char kCompositorPlacesReason[] =
    "The Wayland compositor places this window itself; docking and fixing work when the "
    "monitor runs on X11 (QT_QPA_PLATFORM=xcb)";

// Ticks exactly the item of a group whose data() is value; none when no item has it.
template <std::size_t N, typename T>
void CheckValue(const std::array<QAction*, N>& items, T value) {
    for (QAction* item : items) {
        item->setChecked(item->data().value<T>() == value);
    }
}

}  // namespace

TfrMain::TfrMain(const MonitorServices& services, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool),
      services_(services),
      menus_(BuildMenus(this)),
      writer_(services_.settingsFile, *services_.dialogs),
      display_(*this, options_),
      tray_(*services_.tray, options_, *this, *menus_.tray, *menus_.main),
      // The skins lie beside the program in a build, in share/tarnwick/ when installed.
      skinMenu_(menus_, options_, writer_, platform::ShippedFolderOf(services_.programFolder),
                [this](const SkinLook& look) { ApplyLook(look); }) {
    setObjectName(QStringLiteral("TfrMain"));
    setWindowTitle(QStringLiteral("Tarnwick"));
    setAttribute(Qt::WA_OpaquePaintEvent);  // the canvas covers every pixel
    setFixedSize(kBuiltInWidth, kBuiltInHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Tarnwick"));
    positionKnown_ =
        TellsWindowPosition(services_.platformName.isEmpty() ? QGuiApplication::platformName()
                                                             : services_.platformName);
    ConnectMenus();
    if (!positionKnown_) {
        for (QAction* item : {menus_.dock, menus_.bolt}) {
            item->setEnabled(false);
            item->setToolTip(QString::fromLatin1(kCompositorPlacesReason));
        }
    }
    // Shift+F10 opens the popup menu as the Menu key does, for keyboards without one.
    menuKey_ = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(menuKey_, &QShortcut::activated, this, &TfrMain::OpenMenuFromKeyboard);

    const std::pair<QTimer*, const char*> timers[] = {{&TaktTimer_, "TaktTimer"},
                                                      {&Timer1_, "Timer1"},
                                                      {&Timer2_, "Timer2"},
                                                      {&Timer3_, "Timer3"},
                                                      {&EventsTimer_, "EventsTimer"}};
    for (const auto& [timer, name] : timers) {
        timer->setObjectName(QString::fromLatin1(name));
    }
    TaktTimer_.setInterval(100);
    EventsTimer_.setInterval(1000);
    HintTimer_.setObjectName(QStringLiteral("HintTimer"));
    HintTimer_.setSingleShot(true);
    connect(&HintTimer_, &QTimer::timeout, this, &TfrMain::ShowInfoHint);
    connect(&TaktTimer_, &QTimer::timeout, this, [this] { cpu_->Takt(); });
    // Each tick names itself to the memory figures, so the timers that expire in one wake-up
    // share one reading of them.
    connect(&Timer1_, &QTimer::timeout, this, [this] {
        if (options_.Mode() == DisplayMode::TwoIndicators && !display_.Suspended(0)) {
            auto reading = tickMemory_->ReadingFor(kTimer1Reader);
            display_.PaintOpt(0, true);
        }
    });
    connect(&Timer2_, &QTimer::timeout, this, [this] {
        if (options_.Mode() == DisplayMode::TwoIndicators && !display_.Suspended(1)) {
            auto reading = tickMemory_->ReadingFor(kTimer2Reader);
            display_.PaintOpt(1, true);
        }
    });
    connect(&Timer3_, &QTimer::timeout, this, [this] {
        auto reading = tickMemory_->ReadingFor(kTimer3Reader);
        display_.PaintOpt3Time();
    });
    connect(&EventsTimer_, &QTimer::timeout, this, [this] {
        if (events_) {
            auto reading = tickMemory_->ReadingFor(kEventsReader);
            events_->CheckEvents();
            UpdateReadings();  // once a second, with the same figures
        }
    });
    // Before the loop sleeps: the next wake-up's ticks read the figures anew.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] {
            if (tickMemory_) {
                tickMemory_->NewWakeUp();
            }
        });
    }
    connect(&tray_, &TrayController::DoubleClicked, this, &TfrMain::pmMinClick);
    connect(&tray_, &TrayController::AvailabilityChanged, this, &TfrMain::TrayAvailabilityChanged);
}

TfrMain::~TfrMain() {
    FormClose();
}

QTimer& TfrMain::timer(const char* name) {
    const std::pair<const char*, QTimer*> timers[] = {
        {"TaktTimer", &TaktTimer_},     {"Timer1", &Timer1_},
        {"Timer2", &Timer2_},           {"Timer3", &Timer3_},
        {"EventsTimer", &EventsTimer_}, {"IconsTimer", &tray_.IconsTimer()},
        {"HintTimer", &HintTimer_},     {"TrayWatchTimer", &tray_.TrayWatchTimer()}};
    for (const auto& [timerName, timer] : timers) {
        if (std::strcmp(timerName, name) == 0) {
            return *timer;
        }
    }
    return TaktTimer_;  // every caller names one of the above
}

void TfrMain::FormCreate() {
    if (!services_.runtimeFolder.empty()) {
        refresh_ = std::make_unique<RefreshListener>();
        if (refresh_->Listen(services_.runtimeFolder)) {
            connect(refresh_.get(), &RefreshListener::refreshRequested, this,
                    [this](const QString& name) {
                        if (name == QLatin1String(kRefreshOptionsMessage)) {
                            ReloadSettings();
                        } else if (name == QLatin1String(kRefreshEventsMessage)) {
                            RefreshEvents();
                        }
                    });
        }
    }
    cpu_ = std::make_unique<UseCpu>(*services_.processor, *services_.priority, GetPlatform());
    tickMemory_ = std::make_unique<TickMemoryFigures>(*services_.memory);
    measures_ = std::make_unique<Measures>(*tickMemory_, cpu_->Figures());
    display_.SetMeasures(measures_.get());
    tray_.SetMeasures(measures_.get(), tickMemory_.get());
    EventActions* actions = services_.eventActions;
    if (actions == nullptr) {
        ownActions_ = MakeSystemEventActions(this);
        actions = ownActions_.get();
    }
    // "Close Tarnwick" closes exactly as "E&xit" does, so the settings are saved.
    events_ = std::make_unique<EventsController>(
        menus_.events, *measures_, cpu_->Figures(), *actions, [this] { close(); },
        services_.eventsFile);
    connect(events_.get(), &EventsController::writeFailed, this,
            [this](const QString& text) { services_.dialogs->ShowError(text); });
    if (GetPlatform() == kPlatformNt) {
        cpu_->InitCPUUsage();
    }
    cpu_->TakeCPUSpeed();
    if (GetPlatform() == kPlatformWindows9x) {
        menus_.transparentMenu->menuAction()->setVisible(false);
    }
    menus_.autorun->setEnabled(CanWriteAutorun(services_.autostartFolder));
    EnsureFolderOf(services_.settingsFile);
    LoadOpt(false);
    tray_.WatchAvailability();
    const bool hasIcon = options_.Tray() != TrayMeasure::None;
    // Without a tray icon nothing could bring a hidden window back.
    showAtStart_ = StartsVisible(options_.visible || !hasIcon, tray_.Available());
    shownForWantOfTray_ = showAtStart_ && !options_.visible;
    ShowMinItems(showAtStart_);
    skinMenu_.SkinList();
    skinMenu_.LoadSkin();
    KeepOnScreen();
    if (hasIcon) {
        tray_.TrayIconAdd(options_.Tray());
    }
    RefreshEvents();
    display_.ResumeAll();
    display_.ResetHistory();
    display_.FormPaint();
    if (services_.samplingClock != nullptr) {
        UseCpu* cpu = cpu_.get();
        services_.samplingClock->Start(TaktTimer_.interval(), [cpu] { cpu->Takt(); });
    } else {
        TaktTimer_.start();
    }
    for (QTimer* timer : {&Timer1_, &Timer2_, &Timer3_, &EventsTimer_}) {
        timer->start();
    }
    tray_.IconsTimer().start();
    UpdateReadings();
}

// Reads every key of the settings file and applies it to the window, its timers and menus.
void TfrMain::LoadOpt(bool reload) {
    const QPoint position = pos();
    options_ = ReadMonitorSettings(LoadProfile(services_.settingsFile));
    const Settings& s = options_;
    ApplyAutorun(s.autorun);
    cpu_->SetPriority(s.lowprior ? -1 : 0);
    if (reload) {
        // A reload never moves the window. Where the window system keeps the position to
        // itself, the one in the file stays the one to save.
        if (positionKnown_) {
            options_.x = position.x();
            options_.y = position.y();
        }
    } else {
        move(s.x, s.y);
    }
    SetStaysOnTop(s.popup);
    setWindowOpacity(OpacityForTransparency(s.transparent) / 255.0);
    for (int i = 0; i < 3; ++i) {
        IndicatorTimer(i).setInterval(s.indicators[i].time);
    }
    if (reload) {
        tray_.ShowMeasure(s.Tray());
    }
    tray_.IconsTimer().setInterval(s.iconstime);
    ShowOptions();
}

void TfrMain::ShowOptions() {
    const Settings& s = options_;
    menus_.oneCopy->setChecked(s.onecopy);
    (s.Mode() == DisplayMode::OneDiagram ? menus_.mode1 : menus_.mode2)->setChecked(true);
    menus_.autorun->setChecked(s.autorun);
    skinMenu_.ShowRandom();
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

void TfrMain::ShowTrayMeasure() {
    CheckValue(menus_.trayIcon, options_.Tray());
    CheckValue(menus_.trayIconTray, options_.Tray());
}

void TfrMain::ShowMinItems(bool shown) {
    const QString caption = shown ? QStringLiteral("&Minimize") : QStringLiteral("&Restore");
    const bool available = CanToggleWindow(tray_.Available(), shown);
    const QString tip = available ? QString() : QString::fromLatin1(kNoTrayReason);
    for (QAction* item : {menus_.min, menus_.minTray}) {
        item->setText(caption);
        item->setEnabled(available);
        item->setToolTip(tip);
    }
}

// A tray host came or went. A window hidden behind the icon of a host that went away shows
// again; one the user hid stays what they chose for the next start.
void TfrMain::TrayAvailabilityChanged(bool available) {
    if (closed_) {
        return;
    }
    if (MustShowWindow(available, isVisible())) {
        show();
        raise();
        shownForWantOfTray_ = true;
    }
    ShowMinItems(isVisible());
}

// A window that lies off the screen after a change of screens comes back where it can be
// reached; one that is partly visible stays.
void TfrMain::KeepOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QSize size = screen->geometry().size();
    int left = x();
    int top = y();
    if (left <= -width()) {
        left = 0;
    }
    if (left >= size.width()) {
        left = size.width() - width();
    }
    if (top <= -height()) {
        top = 0;
    }
    if (top >= size.height()) {
        top = size.height() - height();
    }
    move(left, top);
}

void TfrMain::ReloadSettings() {
    LoadOpt(true);
    skinMenu_.SkinList();
    skinMenu_.LoadSkin();
}

void TfrMain::RefreshEvents() {
    if (events_) {
        events_->miRefEventsClick();
    }
}

void TfrMain::StartSettingsProgram(const QString& word) {
    const QString program = QString::fromStdString(services_.programFolder + kSettingsProgram);
    if (!QFileInfo(program).isFile()) {
        services_.dialogs->ShowMessage(
            QStringLiteral("Error!"),
            QStringLiteral("The file TarnwickCfg is not found!\nIt should be in the same folder, "
                           "as Tarnwick\nReinstall the program Tarnwick"));
        return;
    }
    services_.dialogs->StartProgram(program, word.isEmpty() ? QStringList() : QStringList{word});
}

void TfrMain::SaveOpt() {
    Settings s = options_;
    s.visible = isVisible() && !shownForWantOfTray_;
    SyncPosition();
    if (positionKnown_) {
        s.x = x();
        s.y = y();
    }
    writer_.SaveOpt(s);
    ApplyAutorun(s.autorun);
}

void TfrMain::ApplyAutorun(bool on) {
    SetAutorun(on, services_.programFolder + kMonitorProgram, services_.autostartFolder);
}

void TfrMain::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        SaveOpt();  // FormCloseQuery: save, and always let the window close
        FormClose();
    }
    event->accept();
    QCoreApplication::quit();
}

void TfrMain::FormClose() {
    if (closed_) {
        return;
    }
    closed_ = true;
    for (QTimer* timer : {&TaktTimer_, &Timer1_, &Timer2_, &Timer3_, &EventsTimer_, &HintTimer_}) {
        timer->stop();
    }
    tray_.IconsTimer().stop();
    tray_.TrayWatchTimer().stop();
    if (services_.samplingClock != nullptr) {
        services_.samplingClock->Stop();  // no sample runs once this returns
    }
    EndDrag();  // a no-drop cursor must not outlive the window
    if (cpu_ && GetPlatform() == kPlatformNt) {
        cpu_->DoneCPUUsage();
    }
    if (tray_.Showing()) {
        tray_.TrayIconDelete();
    }
}

void TfrMain::ApplyLook(const SkinLook& look) {
    tray_.SetPictures(look.trayStrip);  // the icon takes them at its next tick
    SyncPosition();                     // a resize keeps the position Qt holds
    setFixedSize(std::max(1, look.width), std::max(1, look.height));
    display_.ApplyLook(look);  // the shape of a see-through colour comes with the paint
    display_.FormPaint();
}

// FormShow: no taskbar button. The window manager forgets the request when the window hides,
// so every show asks again, before the window is mapped; the opacity is asked for again
// after the map, for window managers that read it only then.
void TfrMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (QWindow* window = windowHandle()) {
        platform::KeepOutOfTaskbar(*window);
        platform::RepeatOpacityAfterMap(*window);
    }
}

void TfrMain::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();  // what changed: one gauge, or the diagram
    painter.drawImage(area.topLeft(), display_.Canvas(), area);
}

// Tray ---------------------------------------------------------------------------------------

void TfrMain::pmIconClick(TrayMeasure tray) {
    const bool wasTicked = options_.Tray() == tray;
    const TrayMeasure next = wasTicked ? TrayMeasure::None : tray;
    if (wasTicked) {
        tray_.TrayIconDelete();
    } else if (tray_.Showing()) {
        tray_.TrayIconModify(tray);
    } else {
        tray_.TrayIconAdd(tray);
    }
    options_.SetTray(next);
    ShowTrayMeasure();
    if (!isVisible() && next == TrayMeasure::None) {
        pmMinClick();  // without an icon the window must show
    }
    writer_.Write(setting::kIcons, NumberOf(next));
}

void TfrMain::pmIconsSpeedClick(int interval) {
    tray_.IconsTimer().setInterval(interval);
    options_.iconstime = interval;
    CheckValue(menus_.iconsSpeed, interval);
    writer_.Write(setting::kIconsTime, interval);
}

void TfrMain::pmMinClick() {
    if (!CanToggleWindow(tray_.Available(), isVisible())) {
        return;  // no tray host: a hidden window could not be brought back
    }
    shownForWantOfTray_ = false;  // from now on the window is as the user put it
    if (isVisible()) {
        if (options_.Tray() == TrayMeasure::None) {
            // The window hides only where the tray icon can bring it back.
            pmIconClick(TrayMeasure::Processor);
        }
        SyncPosition();  // the hidden window keeps the position it stood at
        hide();
    } else {
        show();
        raise();
        activateWindow();
    }
    ShowMinItems(isVisible());
}

// Menus --------------------------------------------------------------------------------------

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
    ConnectOptions();
}

void TfrMain::contextMenuEvent(QContextMenuEvent* event) {
    menus_.main->popup(event->globalPos());
}

void TfrMain::OpenMenuFromKeyboard() {
    const QPoint centre = rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, mapToGlobal(centre));
    contextMenuEvent(&event);
}

// Screen readers -------------------------------------------------------------------------------

// What the window shows, as words: the two gauges or the diagram. Nobody hears it while no
// assistive technology is active, so it is built only then; its buffers are kept, and the
// texts go out only when a reading changed.
void TfrMain::UpdateReadings() {
    const bool listening = services_.assistiveTechnology != nullptr
                               ? services_.assistiveTechnology()
                               : QAccessible::isActive();
    if (!listening || !measures_) {
        return;
    }
    readings_.Begin(0);  // the EventsTimer already paces the rebuilds to one a second
    const auto add = [this](int indicator) {
        const Measure measure = options_.indicators[indicator].Shows();
        measures_->GetMeasure(measure, readingText_);
        readings_.Add(measure, readingText_);
    };
    if (options_.Mode() == DisplayMode::TwoIndicators) {
        add(0);
        add(1);
    } else {
        add(2);
    }
    if (!readings_.Finish()) {
        return;
    }
    accessibleName_ = QLatin1String(kAccessiblePrefix);
    accessibleName_ += readings_.text();
    setAccessibleName(accessibleName_);
    setAccessibleDescription(readings_.text());
}

}  // namespace tarnwick
