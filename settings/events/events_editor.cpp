#include "settings/events/events_editor.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>

#include <algorithm>
#include <vector>

#include "common/errors.h"
#include "common/events_file.h"
#include "common/links.h"
#include "common/numbers.h"
#include "common/ui/app_title.h"
#include "common/ui/dialogs.h"
#include "common/ui/fixed_size.h"
#include "common/ui/open_link.h"
#include "common/ui/screen_fit.h"
#include "common/ui/window_keys.h"
#include "platform/pressure.h"
#include "platform/process.h"
#include "platform/sound.h"
#include "settings/events/action_panel.h"
#include "settings/events/check_opt.h"
#include "settings/events/editor_fonts.h"
#include "settings/events/event_column.h"
#include "settings/events/event_record.h"
#include "settings/events/signal_check.h"

namespace tarnwick::cfg {

namespace {

// The events editor's texts are translated in one context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(EventsEditor)
};

constexpr int kWidth = 635;
constexpr int kHeight = 494;
constexpr int kColumnWidth = 306;

// Fields that passed their check hold plain decimal text.
std::int32_t CheckedNumber(const QString& field) {
    return ParseProfileInteger(field.toStdString()).value_or(0);
}

// The pressures whose figures can be read now.
std::vector<Pressure> ReadablePressures(platform::PressureFigures& figures) {
    std::vector<Pressure> readable;
    for (const Pressure pressure : kPressures) {
        std::int32_t share = 0;
        if (figures.ReadSomeShare(static_cast<platform::StallResource>(IndexOf(pressure)), share)) {
            readable.push_back(pressure);
        }
    }
    return readable;
}

// Where a file dialog opens: the folder of the path the field holds, if it has one.
QString FolderOfField(const QString& path) {
    return path.isEmpty() ? QString() : QFileInfo(path).absolutePath();
}

}  // namespace

TfrEvents::TfrEvents(const SettingsServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window),
      services_(services),
      ownTones_(platform::MakeSystemTones()),
      tones_(*ownTones_) {
    Build();
}

TfrEvents::TfrEvents(const SettingsServices& services, platform::ToneOutput& tones, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), tones_(tones) {
    Build();
}

TfrEvents::~TfrEvents() {
    // The signal's thread may still open the tones, which go before the window's children.
    signal_->Stop();
}

void TfrEvents::Build() {
    setObjectName(QStringLiteral("frEvents"));
    setWindowTitle(Text::tr("Events editor"));
    // A fixed border with only the system menu's close box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(FormFont());

    body_ = new QWidget(this);
    column_ = new EventColumn(body_);
    column_->setFixedWidth(std::max(kColumnWidth, column_->minimumSizeHint().width()));
    auto* divider = new QFrame(body_);
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);
    divider->setFixedWidth(2);
    panel_ = new ActionPanel(body_);
    auto* layout = new QHBoxLayout(body_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(column_);
    layout->addWidget(divider);
    layout->addWidget(panel_, 1);
    FixSizeAtLeast(*body_, QSize(kWidth, kHeight));
    PutBodyInScrollArea(*this, body_);
    FitWindowToScreen(*this, *body_, screen());
    signal_ = new SignalCheck(tones_, this);

    connect(column_, &EventColumn::entryChosen, this, &TfrEvents::cmNamesChange);
    connect(column_, &EventColumn::actionChosen, this, &TfrEvents::cmActionChange);
    connect(column_, &EventColumn::applyClicked, this, &TfrEvents::Button2Click);
    connect(column_, &EventColumn::deleteClicked, this, &TfrEvents::Button1Click);
    connect(column_, &EventColumn::helpClicked, this, &TfrEvents::Button7Click);
    connect(panel_, &ActionPanel::checkUpClicked, this, &TfrEvents::Button3Click);
    connect(panel_, &ActionPanel::browseProgram, this, &TfrEvents::Button4Click);
    connect(panel_, &ActionPanel::browseDocument, this, &TfrEvents::Button5Click);
    connect(panel_, &ActionPanel::browseFolder, this, &TfrEvents::Button6Click);
    connect(signal_, &SignalCheck::finished, this, [this] { setEnabled(true); });
    InstallWindowKeys(*this, [this] { Button7Click(); });

    column_->SetNames({}, -1);
    ShowForm(CleanedForm(0));
    panel_->ShowPage(0);
}

void TfrEvents::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TfrEvents::FormShow() {
    title_.Take(*this);
    FitWindowToScreen(*this, *body_, screen());
    if (const QScreen* screen = this->screen()) {
        CentreOnScreen(*this, *screen);
    }
    // Asked at each showing; the settings program keeps no file of the system open.
    if (services_.pressure != nullptr) {
        column_->OfferPressures(ReadablePressures(*services_.pressure));
    } else {
        column_->OfferPressures(ReadablePressures(*platform::MakeSystemPressureFigures()));
    }
    // The controls keep what they held; the page is the one of the action they show.
    cmActionChange();
    LoadEventsNames();
}

void TfrEvents::LoadEventsNames(int selected) {
    column_->SetNames(cfg::LoadEventsNames(services_.eventsFile), selected);
}

void TfrEvents::cmNamesChange() {
    CleanFrames();
    if (column_->SelectedEntry() > 0) {
        LoadEvent();
    }
}

void TfrEvents::CleanFrames() {
    ShowForm(CleanedForm(column_->Resource()));
    panel_->ShowPage(0);
}

void TfrEvents::LoadEvent() {
    const EventForm form = cfg::LoadEvent(services_.eventsFile, column_->SelectedEntry());
    ShowForm(form);
    panel_->ShowPage(PageOfAction(form.action));
}

void TfrEvents::cmActionChange() {
    panel_->ShowPage(PageOfAction(ReadForm().action));
}

EventForm TfrEvents::ReadForm() const {
    EventForm form;
    column_->Read(form);
    panel_->Read(form);
    return form;
}

void TfrEvents::ShowForm(const EventForm& form) {
    column_->Show(form);
    panel_->Show(form);
}

void TfrEvents::ShowCheckMessage(const QString& text) {
    services_.dialogs->ShowMessage(QGuiApplication::applicationDisplayName(), text);
}

void TfrEvents::Button2Click() {
    const EventForm form = ReadForm();
    try {
        if (const std::optional<QString> failed = CheckOpt(form)) {
            ShowCheckMessage(*failed);
            return;
        }
        SaveEvent(form);
    } catch (const UserError& error) {
        services_.dialogs->ShowError(QString::fromStdString(error.what()));
    }
}

void TfrEvents::SaveEvent(const EventForm& form) {
    const int selected = column_->SelectedEntry();
    const std::int32_t written =
        cfg::SaveEvent(services_.eventsFile, selected > 0 ? selected : 0, form);
    // The list shows the name as the file now holds it.
    LoadEventsNames(written);
}

void TfrEvents::Button1Click() {
    const int selected = column_->SelectedEntry();
    if (selected > 0) {
        try {
            DeleteEvent(services_.eventsFile, selected);
        } catch (const UserError& error) {
            services_.dialogs->ShowError(QString::fromStdString(error.what()));
            return;
        }
        LoadEventsNames();
    }
    CleanFrames();
}

void TfrEvents::Button7Click() {
    OpenSiteLink(*services_.dialogs, kEventsEditorHelpPath,
                 platform::ShippedFolderOf(services_.programFolder));
}

void TfrEvents::Button3Click() {
    const EventForm form = ReadForm();
    try {
        if (!SignalFieldsAreNumbers(form)) {
            ShowCheckMessage(BadSignalMessage());
            return;
        }
    } catch (const UserError& error) {
        services_.dialogs->ShowError(QString::fromStdString(error.what()));
        return;
    }
    // No input while it plays, as when the signal held the window; the desktop goes on.
    setEnabled(false);
    signal_->Play(CheckedNumber(form.freq), CheckedNumber(form.time), CheckedNumber(form.pause));
}

void TfrEvents::Button4Click() {
    const QString path = services_.dialogs->OpenFileName(
        Text::tr("Open"), FolderOfField(panel_->Program()),
        QStringLiteral("%1 (*.exe *.scr *.com *.bat *.cmd);;%2 (*)")
            .arg(Text::tr("Executed files"), Text::tr("All files")));
    if (!path.isEmpty()) {
        panel_->SetProgram(path);
    }
}

void TfrEvents::Button5Click() {
    const QString path =
        services_.dialogs->OpenFileName(Text::tr("Open"), FolderOfField(panel_->Document()),
                                        Text::tr("All files") + QStringLiteral(" (*)"));
    if (!path.isEmpty()) {
        panel_->SetDocument(path);
    }
}

void TfrEvents::Button6Click() {
    const QString folder = services_.dialogs->ChooseFolder(Text::tr("Choose a folder:"));
    if (!folder.isEmpty()) {
        panel_->SetFolder(folder);
    }
}

void TfrEvents::closeEvent(QCloseEvent* event) {
    // A signal still playing ends with the window; the close is never refused.
    signal_->Stop();
    event->accept();
    // The settings window that comes back takes its title from the program's name again.
    title_.GiveBack();
    emit closed();
}

}  // namespace tarnwick::cfg
