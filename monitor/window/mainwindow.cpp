#include "monitor/window/mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QCursor>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "common/autorun.h"
#include "common/config.h"
#include "common/datafolder.h"
#include "common/errors.h"
#include "common/paint/indicators.h"
#include "common/paint/text.h"
#include "common/platform_id.h"
#include "common/profile_file.h"
#include "common/programs.h"
#include "common/refresh.h"
#include "common/ui/dialogs.h"
#include "monitor/tray/tray_value.h"

namespace tarnwick {

namespace {

constexpr int kBuiltInWidth = 140;  // before a skin sets the size
constexpr int kBuiltInHeight = 71;

}  // namespace

TfrMain::TfrMain(const MonitorServices& services, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool), services_(services) {
    setObjectName(QStringLiteral("TfrMain"));
    setWindowTitle(QStringLiteral("Tarnwick"));
    setAttribute(Qt::WA_OpaquePaintEvent);  // the canvas covers every pixel
    setFixedSize(kBuiltInWidth, kBuiltInHeight);
    setFocusPolicy(Qt::StrongFocus);
    canvas_ = QImage(kBuiltInWidth, kBuiltInHeight, QImage::Format_RGB32);
    canvas_.fill(Qt::black);
    menus_ = BuildMenus(this);
    ConnectMenus();

    const std::pair<QTimer*, const char*> timers[] = {
        {&TaktTimer_, "TaktTimer"}, {&Timer1_, "Timer1"},           {&Timer2_, "Timer2"},
        {&Timer3_, "Timer3"},       {&EventsTimer_, "EventsTimer"}, {&IconsTimer_, "IconsTimer"}};
    for (const auto& [timer, name] : timers) {
        timer->setObjectName(QString::fromLatin1(name));
        timer->setParent(this);
    }
    TaktTimer_.setInterval(100);
    EventsTimer_.setInterval(1000);
    HintTimer_.setObjectName(QStringLiteral("HintTimer"));
    HintTimer_.setParent(this);
    HintTimer_.setSingleShot(true);
    connect(&HintTimer_, &QTimer::timeout, this, &TfrMain::ShowInfoHint);
    connect(&TaktTimer_, &QTimer::timeout, this, [this] { cpu_->Takt(); });
    connect(&Timer1_, &QTimer::timeout, this, [this] {
        if (options_.mode == 2 && !indicators_[0].suspended) {
            PaintOpt(0);
        }
    });
    connect(&Timer2_, &QTimer::timeout, this, [this] {
        if (options_.mode == 2 && !indicators_[1].suspended) {
            PaintOpt(1);
        }
    });
    connect(&Timer3_, &QTimer::timeout, this, &TfrMain::PaintOpt3Time);
    connect(&EventsTimer_, &QTimer::timeout, this, [this] {
        if (events_) {
            events_->CheckEvents();
        }
    });
    connect(&IconsTimer_, &QTimer::timeout, this, &TfrMain::IconsTimerTimer);
    connect(services_.tray, &TrayIcon::LeftClicked, this, &TfrMain::TrayLeftClick);
    connect(services_.tray, &TrayIcon::DoubleClicked, this, &TfrMain::pmMinClick);
    connect(services_.tray, &TrayIcon::RightClicked, this, &TfrMain::TrayRightClick);
}

TfrMain::~TfrMain() {
    FormClose();
}

QTimer& TfrMain::timer(const char* name) {
    return *findChild<QTimer*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
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
    measures_ = std::make_unique<Measures>(*services_.memory, cpu_->Figures());
    EventActions* actions = services_.eventActions;
    if (actions == nullptr) {
        ownActions_ = MakeSystemEventActions(this);
        actions = ownActions_.get();
    }
    // "Close Tarnwick" closes exactly as "E&xit" does, so the settings are saved.
    events_ = std::make_unique<EventsController>(menus_.events, *measures_, cpu_->Figures(),
                                                 *actions, [this] { close(); });
    connect(events_.get(), &EventsController::writeFailed, this,
            [this](const QString& text) { services_.dialogs->ShowError(text); });
    if (GetPlatform() == kPlatformNt) {
        cpu_->InitCPUUsage();
    }
    cpu_->TakeCPUSpeed();
    if (GetPlatform() == kPlatformWindows9x) {
        menus_.main->findChild<QMenu*>(QStringLiteral("pmTransparent"))
            ->menuAction()
            ->setVisible(false);
    }
    MenuItem(this, QStringLiteral("pmAutorun"))
        ->setEnabled(CanWriteAutorun(services_.autostartFolder));
    EnsureDataFolder();
    LoadOpt(false);
    if (!options_.visible) {
        MenuItem(this, QStringLiteral("pmMin"))->setText(QStringLiteral("&Restore"));
        MenuItem(this, QStringLiteral("pmMinTray"))->setText(QStringLiteral("&Restore"));
    }
    SkinList();
    LoadSkin();
    KeepOnScreen();
    if (options_.icons >= 1 && options_.icons <= 4) {
        TrayIconAdd(options_.icons);
    }
    RefreshEvents();
    for (Indicator& indicator : indicators_) {
        indicator.suspended = false;
    }
    history_.ResetHistory(HistoryLength(look_.indicators[2]));
    FormPaint();
    for (QTimer* timer : {&TaktTimer_, &Timer1_, &Timer2_, &Timer3_, &EventsTimer_, &IconsTimer_}) {
        timer->start();
    }
}

// Reads every key of the settings file and applies it to the window, its timers and menus.
void TfrMain::LoadOpt(bool reload) {
    const Settings s = ReadMonitorSettings(LoadProfile(SettingsFilePath()));
    const QPoint position = pos();
    options_ = s;

    CheckOnly(QStringLiteral("pmOneCopy"), s.onecopy);
    MenuItem(this, s.mode == 1 ? QStringLiteral("pmMode1") : QStringLiteral("pmMode2"))
        ->setChecked(true);
    CheckOnly(QStringLiteral("pmAutorun"), s.autorun);
    ApplyAutorun(s.autorun);
    CheckOnly(QStringLiteral("pmRandomSkin"), s.random);
    CheckOnly(QStringLiteral("pmInfo"), s.info);
    CheckOnly(QStringLiteral("pmBolt"), s.bolt);
    cpu_->SetPriority(s.lowprior ? -1 : 0);
    CheckOnly(QStringLiteral("pmPriority"), s.lowprior);
    if (reload) {
        options_.x = position.x();  // a reload never moves the window
        options_.y = position.y();
    } else {
        move(s.x, s.y);
    }
    CheckOnly(QStringLiteral("pmPop"), s.popup);
    SetStaysOnTop(s.popup);
    CheckOnly(QStringLiteral("pmDock"), s.snap);
    setWindowOpacity(OpacityForTransparency(s.transparent) / 255.0);
    for (int percent = 0; percent <= 90; percent += 10) {
        CheckOnly(QStringLiteral("pm%1").arg(percent), percent == s.transparent);
    }
    for (int i = 0; i < 3; ++i) {
        const IndicatorSettings& indicator = s.indicators[i];
        for (int measure = 1; measure <= 16; ++measure) {
            CheckOnly(ItemName(QStringLiteral("pm%1").arg(measure), i), measure == indicator.type);
        }
        IndicatorTimer(i).setInterval(indicator.time);
        CheckIntervalItem(QStringLiteral("pm"), ItemName(QStringLiteral("ms"), i), indicator.time);
        CheckOnly(ItemName(QStringLiteral("pmText"), i), indicator.visible);
    }
    ApplyTrayMeasure(s.icons, reload);
    IconsTimer_.setInterval(s.iconstime);
    CheckIntervalItem(QStringLiteral("pm"), QStringLiteral("icons"), s.iconstime);
}

void TfrMain::ApplyTrayMeasure(int newMeasure, bool reload) {
    const int old = trayShown_;
    if (reload) {
        if (old != 0 && newMeasure == 0) {
            TrayIconDelete();
        } else if (old == 0 && newMeasure != 0) {
            TrayIconAdd(newMeasure);
        } else if (old != 0 && newMeasure != old) {
            TrayIconModify(newMeasure);
        }
    }
    for (const auto& names : kTrayIconItems) {
        for (int i = 0; i < 4; ++i) {
            CheckOnly(QString::fromLatin1(names[i]), newMeasure == i + 1);
        }
    }
}

void TfrMain::CheckOnly(const QString& name, bool checked) {
    if (QAction* item = MenuItem(this, name)) {
        item->setChecked(checked);
    }
}

void TfrMain::CheckIntervalItem(const QString& prefix, const QString& suffix, int interval) {
    for (int value : {200, 500, 1000, 2000, 5000}) {
        CheckOnly(prefix + QString::number(value) + suffix, value == interval);
    }
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
    SkinList();
    LoadSkin();
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

void TfrMain::WriteOrReport(const std::function<void()>& write) {
    try {
        write();
    } catch (const UserError& error) {
        services_.dialogs->ShowError(QString::fromStdString(error.what()));
    }
}

void TfrMain::SaveOpt() {
    Settings s = options_;
    s.lowprior = MenuItem(this, QStringLiteral("pmPriority"))->isChecked();
    s.autorun = MenuItem(this, QStringLiteral("pmAutorun"))->isChecked();
    s.popup = MenuItem(this, QStringLiteral("pmPop"))->isChecked();
    s.snap = MenuItem(this, QStringLiteral("pmDock"))->isChecked();
    s.visible = isVisible();
    s.x = x();
    s.y = y();
    WriteOrReport([&] { tarnwick::SaveOpt(SettingsFilePath(), s); });
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
    for (QTimer* timer : {&TaktTimer_, &Timer1_, &Timer2_, &Timer3_, &EventsTimer_, &IconsTimer_}) {
        timer->stop();
    }
    HintTimer_.stop();
    EndDrag();  // a no-drop cursor must not outlive the window
    if (cpu_ && GetPlatform() == kPlatformNt) {
        cpu_->DoneCPUUsage();
    }
    if (trayShown_ != 0) {
        TrayIconDelete();
    }
}

// Skins --------------------------------------------------------------------------------------

void TfrMain::SkinList() {
    for (QAction* item : skinItems_) {
        delete item;
    }
    skinItems_.clear();
    std::string folder = options_.skinpath;
    if (folder.empty()) {
        folder = services_.programFolder + "skins/";  // not written back
    } else if (folder.back() != '/') {
        folder += '/';
        options_.skinpath = folder;
        WriteOrReport([&] { WriteConfigString("skins", "skinpath", folder); });
    }
    skins_ = tarnwick::SkinList(QString::fromStdString(folder));
    QAction* before = MenuItem(this, QStringLiteral("pmAfterSkin"));
    for (std::size_t i = 0; i < skins_.size(); ++i) {
        auto* item = new QAction(skins_[i].name, menus_.skins);
        item->setObjectName(QStringLiteral("pmSkin%1").arg(i));
        item->setCheckable(true);
        item->setData(static_cast<int>(i));
        item->setChecked(skins_[i].path.toStdString() == options_.active);
        menus_.skinGroup->addAction(item);
        menus_.skins->insertAction(before, item);
        connect(item, &QAction::triggered, this, [this, i] { SkinMenuClick(static_cast<int>(i)); });
        skinItems_.push_back(item);
    }
}

void TfrMain::LoadSkin() {
    const SkinChoice choice = tarnwick::LoadSkin(QString::fromStdString(options_.active),
                                                 options_.random, skins_, SystemRandom());
    if (choice.pickedIndex >= 0) {
        // A random pick is stored with the other settings at close, not at once.
        options_.active = choice.activePath.toStdString();
        skinItems_.at(static_cast<std::size_t>(choice.pickedIndex))->setChecked(true);
    }
    look_ = choice.look;
    ApplyLook();
}

void TfrMain::ApplyLook() {
    trayPictures_ = BuildTrayPictures(look_.trayStrip);
    const int width = std::max(1, look_.width);
    const int height = std::max(1, look_.height);
    setFixedSize(width, height);
    canvas_ = QImage(width, height, QImage::Format_RGB32);
    canvas_.setDotsPerMeterX(kDotsPerMetre96Dpi);  // skin fonts are sized for 96 DPI
    canvas_.setDotsPerMeterY(kDotsPerMetre96Dpi);
    history_.ResizeHistories(HistoryLength(look_.indicators[2]));
    ClearCanvas();
    if (look_.seeThrough) {
        setMask(QBitmap::fromImage(
            canvas_.createMaskFromColor(look_.seeThroughColor.rgb(), Qt::MaskOutColor)));
    } else {
        clearMask();
    }
    FormPaint();  // the tray icon takes the new pictures at its next tick
}

void TfrMain::SkinMenuClick(int index) {
    options_.active = skins_.at(static_cast<std::size_t>(index)).path.toStdString();
    LoadSkin();
    skinItems_.at(static_cast<std::size_t>(index))->setChecked(true);
    WriteOrReport([&] { WriteConfigString("skins", "active", options_.active); });
}

void TfrMain::pmRandomSkinClick() {
    options_.random = MenuItem(this, QStringLiteral("pmRandomSkin"))->isChecked();
    WriteOrReport([&] { WriteConfigBool("skins", "random", options_.random); });
}

// Painting -----------------------------------------------------------------------------------

void TfrMain::Measure(int indicator, int& value, QString& text) {
    value = measures_->GetMeasure(options_.indicators[indicator].type, measureText_);
    text = QString::fromStdString(measureText_);
}

void TfrMain::PaintOpt(int i) {
    int value = 0;
    QString text;
    if (indicators_[i].suspended) {
        value = indicators_[i].frozenValue;
        text = indicators_[i].frozenText;
    } else {
        Measure(i, value, text);
    }
    const IndicatorLook& look = look_.indicators[i];
    QPainter painter(&canvas_);
    PaintGauge(painter, look, value, text, options_.indicators[i].visible);
    update(QRect(QPoint(look.X1, look.Y1), QPoint(look.X2, look.Y2)));
}

void TfrMain::PaintOpt3() {
    SampleDiagram(false);
}

void TfrMain::PaintOpt3Time() {
    SampleDiagram(true);
}

// Every paint of the diagram takes a sample, in both modes. Its timer leaves a suspended
// diagram as it stands; other paints (a repaint, a mode switch) draw the frozen copy.
void TfrMain::SampleDiagram(bool byTimer) {
    int value = 0;
    QString text;
    Measure(2, value, text);
    history_.PushSample(value);
    const bool frozen = indicators_[2].suspended;
    if (!frozen) {
        history_.SetFrozenText(text);  // the text a suspension holds is the one last shown
    }
    if (options_.mode != 1 || (frozen && byTimer)) {
        return;
    }
    const IndicatorLook& look = look_.indicators[2];
    QPainter painter(&canvas_);
    const std::vector<std::uint8_t>& history =
        frozen ? history_.FrozenHistory() : history_.LiveHistory();
    PaintDiagram(painter, look, history.data(), static_cast<int>(history.size()),
                 frozen ? history_.FrozenText() : text, options_.indicators[2].visible);
    update(QRect(QPoint(look.X1, look.Y1), QPoint(look.X2, look.Y2)));
}

void TfrMain::FormPaint() {
    if (options_.mode == 2) {
        PaintOpt(0);
        PaintOpt(1);
    } else {
        PaintOpt3();
    }
}

void TfrMain::ClearCanvas() {
    QPainter painter(&canvas_);
    ClearWindow(painter, canvas_.rect(), look_.background);
    update();
}

void TfrMain::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_);
}

// Tray ---------------------------------------------------------------------------------------

void TfrMain::TrayIconAdd(int measure) {
    services_.tray->TrayIconAdd(trayPictures_[0], TrayTip(measure));
    trayShown_ = measure;
}

void TfrMain::TrayIconModify(int measure) {
    services_.tray->TrayIconModify(trayPictures_[0], TrayTip(measure));
    trayShown_ = measure;
}

void TfrMain::TrayIconDelete() {
    services_.tray->TrayIconDelete();
    trayShown_ = 0;
}

void TfrMain::IconsTimerTimer() {
    const int measure = options_.icons;
    if (measure < 1 || measure > 4) {
        return;
    }
    ShowTrayValue(*services_.tray, trayPictures_, TrayValue(measure, *measures_), TrayTip(measure));
}

void TfrMain::pmIconClick(int measure) {
    const bool wasTicked = options_.icons == measure;
    const int next = wasTicked ? 0 : measure;
    if (wasTicked) {
        TrayIconDelete();
    } else if (trayShown_ != 0) {
        TrayIconModify(measure);
    } else {
        TrayIconAdd(measure);
    }
    options_.icons = static_cast<std::uint8_t>(next);
    ApplyTrayMeasure(next, false);
    if (!isVisible() && next == 0) {
        pmMinClick();  // without an icon the window must show
    }
    WriteOrReport([&] { WriteConfigInteger("main", "icons", next); });
}

void TfrMain::pmIconsSpeedClick(int interval) {
    IconsTimer_.setInterval(interval);
    options_.iconstime = interval;
    WriteOrReport([&] { WriteConfigInteger("main", "iconstime", interval); });
}

void TfrMain::pmMinClick() {
    if (isVisible()) {
        if (options_.icons == 0) {
            pmIconClick(1);  // the window hides only where the tray icon can bring it back
        }
        hide();
    } else {
        show();
        raise();
        activateWindow();
    }
    const QString caption = isVisible() ? QStringLiteral("&Minimize") : QStringLiteral("&Restore");
    MenuItem(this, QStringLiteral("pmMin"))->setText(caption);
    MenuItem(this, QStringLiteral("pmMinTray"))->setText(caption);
}

void TfrMain::TrayLeftClick() {
    activateWindow();
    menus_.tray->popup(QCursor::pos());
}

void TfrMain::TrayRightClick() {
    activateWindow();
    menus_.main->popup(QCursor::pos());
}

// Menus and mouse ----------------------------------------------------------------------------

void TfrMain::OnItem(const QString& name, const std::function<void()>& handler) {
    connect(MenuItem(this, name), &QAction::triggered, this, handler);
}

void TfrMain::ConnectMenus() {
    const auto on = [this](const char* name, const std::function<void()>& handler) {
        OnItem(QString::fromLatin1(name), handler);
    };
    on("About", [this] { StartSettingsProgram(QStringLiteral("about")); });
    on("pmConfig", [this] { StartSettingsProgram(); });
    on("pmConfigTray", [this] { StartSettingsProgram(); });
    on("pmSkinsEdit", [this] { StartSettingsProgram(QStringLiteral("skineditor")); });
    on("pmSkinsTray", [this] { StartSettingsProgram(QStringLiteral("skineditor")); });
    on("pmEventsEdit", [this] { StartSettingsProgram(QStringLiteral("eventseditor")); });
    on("pmEventsTray", [this] { StartSettingsProgram(QStringLiteral("eventseditor")); });
    on("pmRefreshOpt", [this] { ReloadSettings(); });
    on("miRefEvents", [this] { RefreshEvents(); });
    on("pmRandomSkin", [this] { pmRandomSkinClick(); });
    on("pmClose", [this] { close(); });
    on("pmCloseTray", [this] { close(); });
    on("pmMin", [this] { pmMinClick(); });
    on("pmMinTray", [this] { pmMinClick(); });
    for (const auto& names : kTrayIconItems) {
        for (int i = 0; i < 4; ++i) {
            on(names[i], [this, i] { pmIconClick(i + 1); });
        }
    }
    for (int interval : {200, 500, 1000, 2000, 5000}) {
        OnItem(QStringLiteral("pm%1icons").arg(interval),
               [this, interval] { pmIconsSpeedClick(interval); });
    }
    ConnectOptions();
}

void TfrMain::contextMenuEvent(QContextMenuEvent* event) {
    menus_.main->popup(event->globalPos());
}

}  // namespace tarnwick
