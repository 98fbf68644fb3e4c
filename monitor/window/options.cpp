// The options of the popup menu: each changes the running window and the settings record at
// once, shows itself in the check marks and is stored at once in the settings file. A failed
// write is reported and the change stays in effect.
#include <QAction>
#include <QActionGroup>
#include <QCursor>
#include <QEnterEvent>
#include <QMenu>
#include <QToolTip>

#include <algorithm>

#include "common/links.h"
#include "common/settings.h"
#include "common/ui/dialogs.h"
#include "common/ui/open_link.h"
#include "monitor/window/mainwindow.h"
#include "platform/process.h"

namespace tarnwick {

namespace {

QString Total(const std::string& size) {
    return QStringLiteral("Total: ") + QString::fromStdString(size) + QLatin1Char('B');
}

// Every item of the group carries its value, a T, in data().
template <typename T, typename Handler>
void OnGroup(TfrMain* window, QActionGroup* group, Handler handler) {
    QObject::connect(group, &QActionGroup::triggered, window,
                     [handler](QAction* item) { handler(item->data().value<T>()); });
}

}  // namespace

void TfrMain::ConnectOptions() {
    const auto on = [this](QAction* item, const std::function<void()>& handler) {
        connect(item, &QAction::triggered, this, handler);
    };
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
    options_.info = !options_.info;
    menus_.info->setChecked(options_.info);
    if (!options_.info) {
        HintTimer_.stop();
        QToolTip::hideText();
    }
    writer_.Write(setting::kInfo, options_.info);
}

void TfrMain::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    RefreshInfoHint();
}

void TfrMain::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    HintTimer_.stop();
}

// The figures of the moment the mouse came in, shown after the delay of the settings.
void TfrMain::RefreshInfoHint() {
    if (!options_.info) {
        return;
    }
    hintText_ = QString::fromStdString(measures_->InfoHintText());
    hintText_.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    HintTimer_.start(std::max(0, options_.infoshow));  // the file may hold anything
}

void TfrMain::ShowInfoHint() {
    if (!options_.info || !isVisible()) {
        return;
    }
    // A display time of 0 or less lets the tool tip choose one from the length of the text.
    QToolTip::showText(QCursor::pos(), hintText_, this, rect(), options_.infohide);
}

// Window options --------------------------------------------------------------------------------

void TfrMain::pmPopClick() {
    options_.popup = !options_.popup;
    menus_.pop->setChecked(options_.popup);
    SetStaysOnTop(options_.popup);
    writer_.Write(setting::kPopup, options_.popup);
}

void TfrMain::pmDockClick() {
    options_.snap = !options_.snap;
    menus_.dock->setChecked(options_.snap);
    writer_.Write(setting::kSnap, options_.snap);
}

void TfrMain::pmBoltClick() {
    options_.bolt = !options_.bolt;
    menus_.bolt->setChecked(options_.bolt);
    writer_.Write(setting::kBolt, options_.bolt);
}

void TfrMain::pmAutorunClick() {
    options_.autorun = !options_.autorun;
    menus_.autorun->setChecked(options_.autorun);
    ApplyAutorun(options_.autorun);
    writer_.Write(setting::kAutorun, options_.autorun);
}

// Acts when the next copy starts; the running one is not affected.
void TfrMain::pmOneCopyClick() {
    options_.onecopy = !options_.onecopy;
    menus_.oneCopy->setChecked(options_.onecopy);
    writer_.Write(setting::kOneCopy, options_.onecopy);
}

// Linux lets an ordinary user lower the priority (nice 19) but not raise it again: the way
// back to normal is refused until the program starts anew. The check mark and the file follow
// the user's choice all the same, so the next start runs at normal priority as chosen.
void TfrMain::pmPriorityClick() {
    options_.lowprior = !options_.lowprior;
    menus_.priority->setChecked(options_.lowprior);
    cpu_->SetPriority(options_.lowprior ? -1 : 0);
    writer_.Write(setting::kLowPrior, options_.lowprior);
}

void TfrMain::pmTransparentClick(int percent) {
    options_.transparent = percent;
    menus_.transparency[static_cast<std::size_t>(percent / 10)]->setChecked(true);
    setWindowOpacity(OpacityForTransparency(percent) / 255.0);
    writer_.Write(setting::kTransparent, percent);
}

// Display mode ----------------------------------------------------------------------------------

// Switching clears the window and paints the new mode; the mode is written either way.
void TfrMain::pmModeClick(DisplayMode mode) {
    if (options_.Mode() != mode) {
        options_.SetMode(mode);
        display_.ClearCanvas();
        display_.FormPaint();
    }
    (mode == DisplayMode::OneDiagram ? menus_.mode1 : menus_.mode2)->setChecked(true);
    writer_.Write(setting::kMode, NumberOf(mode));
}

// Indicators ------------------------------------------------------------------------------------

// The new measure shows at the indicator's next tick. The diagram's history keeps its columns
// while the measure stays with the same resource: a percentage of the same thing.
void TfrMain::pmMeasureClick(int indicator, Measure measure) {
    IndicatorSettings& settings = options_.indicators[indicator];
    if (indicator == 2 && settings.Shows().resource != measure.resource) {
        display_.ResetHistory();
    }
    settings.Show(measure);
    menus_.indicators[indicator].measure[measure.Index()]->setChecked(true);
    writer_.Write(setting::kType[indicator], NumberOf(measure));
}

void TfrMain::pmSpeedClick(int indicator, int interval) {
    IndicatorTimer(indicator).setInterval(interval);
    options_.indicators[indicator].time = interval;
    menus_.indicators[indicator].speed[static_cast<std::size_t>(SpeedIndex(interval))]->setChecked(
        true);
    writer_.Write(setting::kTime[indicator], interval);
}

// Not stored. A suspended gauge keeps the reading of this moment for every repaint; the
// diagram goes on sampling into its live history but shows a copy of it from now, with the
// text of its last tick.
void TfrMain::pmStopClick(int indicator) {
    menus_.indicators[indicator].stop->setChecked(display_.ToggleSuspension(indicator));
}

void TfrMain::pmTextClick(int indicator) {
    bool& visible = options_.indicators[indicator].visible;
    visible = !visible;
    menus_.indicators[indicator].text->setChecked(visible);
    const DisplayMode mode = options_.Mode();
    if (indicator < 2 && mode == DisplayMode::TwoIndicators) {
        display_.PaintOpt(indicator);
    } else if (indicator == 2 && mode == DisplayMode::OneDiagram) {
        display_.PaintOpt3();
    }
    writer_.Write(setting::kTextShowing[indicator], visible);
}

// Menu and links --------------------------------------------------------------------------------

// The "Total" items show the figures of the moment the menu opens.
void TfrMain::MainPopMenuPopup() {
    measures_->RefreshMemoryStatus();
    const platform::MemoryStatus& status = measures_->Status();
    const std::array<QString, 4> totals = {
        QStringLiteral("Total: %1 MHz").arg(Cpu().CPUSpeed),
        Total(measures_->SizeText(measures_->TotalPhysAtStart())),
        Total(measures_->SizeText(status.totalPageFile)),
        Total(measures_->SizeText(status.totalVirtual))};
    for (IndicatorItems& items : menus_.indicators) {
        for (std::size_t resource = 0; resource < totals.size(); ++resource) {
            items.total[resource]->setText(totals[resource]);
        }
    }
}

}  // namespace tarnwick
