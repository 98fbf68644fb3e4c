#include "monitor/window/mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>

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

// Whether the window system tells a client where its window stands. A Wayland compositor
// places windows itself and tells the client nothing: Qt reports 0,0 there.
bool TellsWindowPosition(const QString& platformName) {
    return !platformName.startsWith(QLatin1String("wayland"));
}

// Why docking and fixing are greyed where the compositor places the window.
constexpr char kCompositorPlacesReason[] = QT_TRANSLATE_NOOP(
    "tarnwick::TfrMain",
    "The Wayland compositor places this window itself; docking and fixing work when the "
    "monitor runs on X11 (QT_QPA_PLATFORM=xcb)");

}  // namespace

TfrMain::TfrMain(const MonitorServices& services, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool),
      services_(services),
      menus_(BuildMenus(this)),
      options_(menus_, services_.settingsFile, *services_.dialogs,
               services_.programFolder + kMonitorProgram, services_.autostartFolder),
      display_(*this, options_.Record()),
      tray_(*services_.tray, options_.Record(), *this, *menus_.tray, *menus_.main),
      // The skins lie beside the program in a build, in share/tarnwick/ when installed.
      skinMenu_(menus_, options_.Record(), options_.Writer(),
                platform::ShippedFolderOf(services_.programFolder),
                [this](const SkinLook& look) { ApplyLook(look); }),
      placement_(
          *this, options_.Record(),
          TellsWindowPosition(services_.platformName.isEmpty() ? QGuiApplication::platformName()
                                                               : services_.platformName)),
      readings_(*this, options_.Record(), services_.assistiveTechnology),
      ticker_(display_, options_.Record(), tray_, readings_, services_.samplingClock) {
    setObjectName(QStringLiteral("TfrMain"));
    setWindowTitle(QStringLiteral("Tarnwick"));
    setAttribute(Qt::WA_OpaquePaintEvent);  // the canvas covers every pixel
    setFixedSize(kBuiltInWidth, kBuiltInHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Tarnwick"));
    ConnectMenus();
    if (services_.layerSurface) {
        BecomeLayerSurface();
    }
    if (!placement_.PositionKnown()) {
        for (QAction* item : {menus_.dock, menus_.bolt}) {
            item->setEnabled(false);
            item->setToolTip(tr(kCompositorPlacesReason));
        }
    }
    // Shift+F10 opens the popup menu as the Menu key does, for keyboards without one.
    menuKey_ = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(menuKey_, &QShortcut::activated, this, &TfrMain::OpenMenuFromKeyboard);
    connect(&ticker_.Timer(WindowTimer::HintTimer), &QTimer::timeout, this, &TfrMain::ShowInfoHint);
    connect(&tray_, &TrayController::DoubleClicked, this, &TfrMain::pmMinClick);
    connect(&tray_, &TrayController::AvailabilityChanged, this, &TfrMain::TrayAvailabilityChanged);
}

TfrMain::~TfrMain() {
    FormClose();
}

// The window as a layer surface: where it is moved, above or below the windows, in no
// taskbar, and see-through by its own paint. Where the surface cannot be made the window
// stays an ordinary one (the reason is on standard error).
void TfrMain::BecomeLayerSurface() {
    setWindowFlag(Qt::BypassWindowManagerHint, true);
    setAttribute(Qt::WA_TranslucentBackground, true);
    create();
    platform::LayerRequest request;
    request.followWindow = true;
    request.keyboard = platform::LayerKeyboard::OnClick;  // the keys once the user clicks it
    // The compositor took the surface away with its output: a new one goes on another.
    request.closed = [this] {
        QTimer::singleShot(1000, this, [this] {
            if (!closed_ && isVisible()) {
                hide();
                show();
            }
        });
    };
    layer_ = platform::MakeLayerSurface(*windowHandle(), request);
    if (layer_ == nullptr) {
        setAttribute(Qt::WA_TranslucentBackground, false);
        setWindowFlag(Qt::BypassWindowManagerHint, false);
        return;
    }
    placement_.UseLayerSurface(
        *layer_, PointerReferenceOf(qEnvironmentVariable("XDG_CURRENT_DESKTOP").toStdString()));
    setMouseTracking(true);  // where the pointer is, for the information hint
    layerPopups_ = std::make_unique<LayerPopups>();
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
    readings_.SetMeasures(measures_.get());
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
    const Settings& s = options_.Record();
    const bool hasIcon = s.Tray() != TrayMeasure::None;
    // Without a tray icon nothing could bring a hidden window back.
    showAtStart_ = StartsVisible(s.visible || !hasIcon, tray_.Available());
    shownForWantOfTray_ = showAtStart_ && !s.visible;
    ShowMinItems(showAtStart_);
    skinMenu_.SkinList();
    skinMenu_.LoadSkin();
    placement_.KeepOnScreen();
    if (hasIcon) {
        tray_.TrayIconAdd(s.Tray());
    }
    RefreshEvents();
    display_.ResumeAll();
    display_.ResetHistory();
    display_.FormPaint();
    ticker_.SetWork(cpu_.get(), tickMemory_.get(), events_.get());
    ticker_.Start();
    readings_.UpdateReadings();
}

// Reads every key of the settings file and applies it to the window, its timers and menus.
void TfrMain::LoadOpt(bool reload) {
    const QPoint position = pos();
    options_.Read();
    Settings& s = options_.Record();
    cpu_->SetPriority(s.lowprior ? -1 : 0);
    if (reload) {
        // A reload never moves the window. Where the window system keeps the position to
        // itself, the one in the file stays the one to save.
        if (placement_.PositionKnown()) {
            s.x = position.x();
            s.y = position.y();
        }
    } else {
        move(s.x, s.y);
    }
    placement_.SetStaysOnTop(s.popup);
    SetTransparency(s.transparent);
    for (int i = 0; i < 3; ++i) {
        ticker_.IndicatorTimer(i).setInterval(s.indicators[i].time);
    }
    if (reload) {
        tray_.ShowMeasure(s.Tray());
    }
    tray_.IconsTimer().setInterval(s.iconstime);
    options_.ShowOptions();
    skinMenu_.ShowRandom();
}

void TfrMain::ShowMinItems(bool shown) {
    // Both are items of the menus, with their texts.
    const QString caption = shown ? QCoreApplication::translate("MonitorMenu", "&Minimize")
                                  : QCoreApplication::translate("MonitorMenu", "&Restore");
    const bool available = CanToggleWindow(tray_.Available(), shown);
    const QString tip = available ? QString() : tr(kNoTrayReason);
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
            tr("Error!"), tr("The file TarnwickCfg is not found!\nIt should be in the same folder, "
                             "as Tarnwick\nReinstall the program Tarnwick"));
        return;
    }
    services_.dialogs->StartProgram(program, word.isEmpty() ? QStringList() : QStringList{word});
}

void TfrMain::SaveOpt() {
    Settings s = options_.Record();
    s.visible = isVisible() && !shownForWantOfTray_;
    placement_.SyncPosition();
    if (placement_.PositionKnown()) {
        s.x = x();
        s.y = y();
    }
    options_.SaveOpt(s);
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
    ticker_.Stop();        // no sample runs once this returns
    placement_.EndDrag();  // a no-drop cursor must not outlive the window
    if (cpu_ && GetPlatform() == kPlatformNt) {
        cpu_->DoneCPUUsage();
    }
    if (tray_.Showing()) {
        tray_.TrayIconDelete();
    }
}

void TfrMain::ApplyLook(const SkinLook& look) {
    tray_.SetPictures(look.trayStrip);  // the icon takes them at its next tick
    placement_.SyncPosition();          // a resize keeps the position Qt holds
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

void TfrMain::SetTransparency(int percent) {
    const double opacity = OpacityForTransparency(percent) / 255.0;
    if (layer_ == nullptr) {
        setWindowOpacity(opacity);
    } else if (opacity != paintOpacity_) {
        paintOpacity_ = opacity;
        update();
    }
}

void TfrMain::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();  // what changed: one gauge, or the diagram
    if (layer_ != nullptr) {
        // A compositor knows no shape or opacity of a window: what is not to be seen of it
        // is painted clear, and the rest as see-through as the window is to be.
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(area, Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        if (!mask().isEmpty()) {
            painter.setClipRegion(mask());
        }
        painter.setOpacity(paintOpacity_);
    }
    painter.drawImage(area.topLeft(), display_.Canvas(), area);
}

// Mouse and placement ------------------------------------------------------------------------

void TfrMain::mousePressEvent(QMouseEvent* event) {
    placement_.Press(event);
}

void TfrMain::mouseMoveEvent(QMouseEvent* event) {
    pointerAt_ = event->globalPosition().toPoint();
    placement_.Drag(event);
}

void TfrMain::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        placement_.EndDrag();
    }
}

void TfrMain::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        placement_.EndDrag();
        pmMinClick();
    }
}

// Every move, ours, the window manager's or the program's own, ends docked when docking is on.
void TfrMain::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    placement_.SnapToEdges();
}

void TfrMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) {
        placement_.KeepOnTop();
    }
}

// Popup menu ---------------------------------------------------------------------------------

void TfrMain::contextMenuEvent(QContextMenuEvent* event) {
    menus_.main->popup(event->globalPos());
}

void TfrMain::OpenMenuFromKeyboard() {
    const QPoint centre = rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, mapToGlobal(centre));
    contextMenuEvent(&event);
}

}  // namespace tarnwick
