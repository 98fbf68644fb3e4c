// The options of the popup menu: each changes the running window at once and is stored at
// once in the settings file. A failed write is reported and the change stays in effect.
#include <QAction>
#include <QCursor>
#include <QEnterEvent>
#include <QMenu>
#include <QToolTip>

#include <algorithm>

#include "common/config.h"
#include "common/links.h"
#include "common/settings.h"
#include "common/ui/dialogs.h"
#include "monitor/window/mainwindow.h"

namespace tarnwick {

namespace {

QString Total(const std::string& size) {
    return QStringLiteral("Total: ") + QString::fromStdString(size) + QLatin1Char('B');
}

}  // namespace

void TfrMain::ConnectOptions() {
    const auto on = [this](const QString& name, const std::function<void()>& handler) {
        OnItem(name, handler);
    };
    on(QStringLiteral("pmInfo"), [this] { pmInfoClick(); });
    on(QStringLiteral("pmPop"), [this] { pmPopClick(); });
    on(QStringLiteral("pmDock"), [this] { pmDockClick(); });
    on(QStringLiteral("pmBolt"), [this] { pmBoltClick(); });
    on(QStringLiteral("pmAutorun"), [this] { pmAutorunClick(); });
    on(QStringLiteral("pmOneCopy"), [this] { pmOneCopyClick(); });
    on(QStringLiteral("pmPriority"), [this] { pmPriorityClick(); });
    for (int percent = 0; percent <= 90; percent += 10) {
        on(QStringLiteral("pm%1").arg(percent), [this, percent] { pmTransparentClick(percent); });
    }
    on(QStringLiteral("pmMode1"), [this] { pmModeClick(1); });
    on(QStringLiteral("pmMode2"), [this] { pmModeClick(2); });
    for (int i = 0; i < 3; ++i) {
        for (int measure = 1; measure <= 16; ++measure) {
            on(ItemName(QStringLiteral("pm%1").arg(measure), i),
               [this, i, measure] { pmMeasureClick(i, measure); });
        }
        for (int interval : {200, 500, 1000, 2000, 5000}) {
            on(ItemName(QStringLiteral("pm%1ms").arg(interval), i),
               [this, i, interval] { pmSpeedClick(i, interval); });
        }
        on(QStringLiteral("pmStop%1").arg(i + 1), [this, i] { pmStopClick(i); });
        on(ItemName(QStringLiteral("pmText"), i), [this, i] { pmTextClick(i); });
    }
    on(QStringLiteral("N15"),
       [this] { OpenLink(QString::fromLatin1(kProductSite) + QString::fromLatin1(kManualPath)); });
    on(QStringLiteral("N17"), [this] {
        OpenLink(QString::fromLatin1(kProductSite) + QString::fromLatin1(kProductPagePath));
    });
    on(QStringLiteral("N22"), [this] { OpenLink(QString::fromLatin1(kSupportMail)); });
    on(QStringLiteral("Clipboardmanager1"), [this] {
        OpenLink(QString::fromLatin1(kMakerSite) + QString::fromLatin1(kClipboardManagerPath));
    });
    connect(menus_.main, &QMenu::aboutToShow, this, &TfrMain::MainPopMenuPopup);
}

// A checkable item has its new state when its handler runs.
bool TfrMain::Checked(const QString& name) const {
    return MenuItem(this, name)->isChecked();
}

// Information hint ----------------------------------------------------------------------------

void TfrMain::pmInfoClick() {
    options_.info = Checked(QStringLiteral("pmInfo"));
    if (!options_.info) {
        HintTimer_.stop();
        QToolTip::hideText();
    }
    WriteOrReport([&] { WriteConfigBool("main", "info", options_.info); });
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
    options_.popup = Checked(QStringLiteral("pmPop"));
    SetStaysOnTop(options_.popup);
    WriteOrReport([&] { WriteConfigBool("main", "popup", options_.popup); });
}

void TfrMain::pmDockClick() {
    options_.snap = Checked(QStringLiteral("pmDock"));
    WriteOrReport([&] { WriteConfigBool("main", "snap", options_.snap); });
}

void TfrMain::pmBoltClick() {
    options_.bolt = Checked(QStringLiteral("pmBolt"));
    WriteOrReport([&] { WriteConfigBool("main", "bolt", options_.bolt); });
}

void TfrMain::pmAutorunClick() {
    options_.autorun = Checked(QStringLiteral("pmAutorun"));
    ApplyAutorun(options_.autorun);
    WriteOrReport([&] { WriteConfigBool("main", "autorun", options_.autorun); });
}

// Acts when the next copy starts; the running one is not affected.
void TfrMain::pmOneCopyClick() {
    options_.onecopy = Checked(QStringLiteral("pmOneCopy"));
    WriteOrReport([&] { WriteConfigBool("main", "onecopy", options_.onecopy); });
}

// Linux lets an ordinary user lower the priority (nice 19) but not raise it again: the way
// back to normal is refused until the program starts anew. The check mark and the file follow
// the user's choice all the same, so the next start runs at normal priority as chosen.
void TfrMain::pmPriorityClick() {
    options_.lowprior = Checked(QStringLiteral("pmPriority"));
    cpu_->SetPriority(options_.lowprior ? -1 : 0);
    WriteOrReport([&] { WriteConfigBool("main", "lowprior", options_.lowprior); });
}

void TfrMain::pmTransparentClick(int percent) {
    options_.transparent = percent;
    MenuItem(this, QStringLiteral("pm%1").arg(percent))->setChecked(true);
    setWindowOpacity(OpacityForTransparency(percent) / 255.0);
    WriteOrReport([&] { WriteConfigInteger("main", "transparent", percent); });
}

// Display mode ----------------------------------------------------------------------------------

// Switching clears the window and paints the new mode; the mode is written either way.
void TfrMain::pmModeClick(int mode) {
    if (options_.mode != mode) {
        options_.mode = static_cast<std::uint8_t>(mode);
        ClearCanvas();
        FormPaint();
    }
    MenuItem(this, QStringLiteral("pmMode%1").arg(mode))->setChecked(true);
    WriteOrReport([&] { WriteConfigInteger("main", "mode", options_.mode); });
}

// Indicators ------------------------------------------------------------------------------------

// The new measure shows at the indicator's next tick. The diagram's history keeps its columns
// while the measure stays with the same resource: a percentage of the same thing.
void TfrMain::pmMeasureClick(int indicator, int measure) {
    const int old = options_.indicators[indicator].type;
    if (indicator == 2 && (old - 1) / 4 != (measure - 1) / 4) {
        history_.ResetHistory(HistoryLength(look_.indicators[2]));
    }
    options_.indicators[indicator].type = static_cast<std::uint8_t>(measure);
    MenuItem(this, ItemName(QStringLiteral("pm%1").arg(measure), indicator))->setChecked(true);
    WriteOrReport([&] { WriteConfigInteger(kIndicatorSections[indicator], "type", measure); });
}

void TfrMain::pmSpeedClick(int indicator, int interval) {
    IndicatorTimer(indicator).setInterval(interval);
    options_.indicators[indicator].time = interval;
    MenuItem(this, ItemName(QStringLiteral("pm%1ms").arg(interval), indicator))->setChecked(true);
    WriteOrReport([&] { WriteConfigInteger(kIndicatorSections[indicator], "time", interval); });
}

// Not stored. A suspended gauge keeps the reading of this moment for every repaint; the
// diagram goes on sampling into its live history but shows a copy of it from now, with the
// text of its last tick.
void TfrMain::pmStopClick(int indicator) {
    Indicator& state = indicators_[indicator];
    if (state.suspended) {
        state.suspended = false;
    } else {
        state.suspended = true;
        if (indicator < 2) {
            Measure(indicator, state.frozenValue, state.frozenText);
        } else {
            history_.Freeze();
        }
    }
    MenuItem(this, QStringLiteral("pmStop%1").arg(indicator + 1))->setChecked(state.suspended);
}

void TfrMain::pmTextClick(int indicator) {
    options_.indicators[indicator].visible = Checked(ItemName(QStringLiteral("pmText"), indicator));
    if (indicator < 2 && options_.mode == 2) {
        PaintOpt(indicator);
    } else if (indicator == 2 && options_.mode == 1) {
        PaintOpt3();
    }
    WriteOrReport([&] {
        WriteConfigBool(kIndicatorSections[indicator], "visible",
                        options_.indicators[indicator].visible);
    });
}

// Menu and links --------------------------------------------------------------------------------

// The "Total" items show the figures of the moment the menu opens.
void TfrMain::MainPopMenuPopup() {
    measures_->RefreshMemoryStatus();
    const platform::MemoryStatus& status = measures_->Status();
    const QString cpu = QStringLiteral("Total: %1 MHz").arg(Cpu().CPUSpeed);
    const QString rom = Total(measures_->SizeText(measures_->TotalPhysAtStart()));
    const QString swap = Total(measures_->SizeText(status.totalPageFile));
    const QString virt = Total(measures_->SizeText(status.totalVirtual));
    for (int i = 0; i < 3; ++i) {
        MenuItem(this, ItemName(QStringLiteral("pmCPU"), i))->setText(cpu);
        MenuItem(this, ItemName(QStringLiteral("pmROM"), i))->setText(rom);
        MenuItem(this, ItemName(QStringLiteral("pmSwap"), i))->setText(swap);
        MenuItem(this, ItemName(QStringLiteral("pmVirt"), i))->setText(virt);
    }
}

// Whatever handles web pages and mail on this desktop; a failure is not reported.
void TfrMain::OpenLink(const QString& url) {
    services_.dialogs->OpenUrl(url);
}

}  // namespace tarnwick
