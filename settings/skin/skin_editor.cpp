#include "settings/skin/skin_editor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "common/errors.h"
#include "common/links.h"
#include "common/profile_file.h"
#include "common/settings_keys.h"
#include "common/ui/app_title.h"
#include "common/ui/dialogs.h"
#include "common/ui/fixed_size.h"
#include "common/ui/link_label.h"
#include "common/ui/open_link.h"
#include "common/ui/screen_fit.h"
#include "common/ui/window_keys.h"
#include "platform/process.h"
#include "settings/skin/indicator_page.h"
#include "settings/skin/skin_file.h"
#include "settings/skin/skin_pages.h"
#include "settings/skin/skin_preview.h"
#include "settings/skin/step_checks.h"

namespace tarnwick::cfg {
namespace {

// The skin editor's texts are translated in one context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SkinEditor)
};

// The indicator a step edits: 0 and 1 the gauges, 2 the diagram.
int IndicatorOf(SkinStep step) {
    return static_cast<int>(step) - static_cast<int>(SkinStep::Indicator1);
}

SkinStep StepAfter(SkinStep step, int by) {
    return static_cast<SkinStep>(static_cast<int>(step) + by);
}

constexpr int kSteps = 7;

// The object names of the bottom bars' buttons, step by step: "Back", "Next", "Help".
const char* const kButtonNames[kSteps][3] = {
    {"BitBtn19", "BitBtn9", "BitBtn24"}, {"BitBtn15", "BitBtn11", "BitBtn25"},
    {"BitBtn7", "BitBtn8", "BitBtn26"},  {"BitBtn4", "BitBtn6", "BitBtn27"},
    {"BitBtn3", "BitBtn2", "BitBtn28"},  {"BitBtn17", "BitBtn18", "BitBtn29"},
    {"BitBtn13", "BitBtn5", "BitBtn30"},
};

void SetBold(QLabel* label, bool bold) {
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

// The buttons that Return and Enter press as Space does: "Back", "Next", "Help", "...", "?".
}  // namespace

TfrSkin::TfrSkin(const SettingsServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      services_(services) {
    setObjectName(QStringLiteral("frSkin"));
    setWindowTitle(EditorTitle());
    Dialogs& dialogs = *services_.dialogs;

    notebook_ = new QStackedWidget(this);
    notebook_->setObjectName(QStringLiteral("Notebook1"));
    creation_ = new CreationPage(dialogs, this);
    window_ = new WindowPage(dialogs, this);
    for (int i = 0; i < 3; ++i) {
        indicators_[i] = new IndicatorPage(i + 1, dialogs, this);
    }
    icons_ = new IconsPage(dialogs, this);
    save_ = new SavePage(dialogs, this);
    MakeStep(0, "create", Text::tr("Skin creation"), creation_);
    MakeStep(1, "window", Text::tr("Program window"), window_);
    MakeStep(2, "ind1", Text::tr("Indicator 1"), indicators_[0]);
    MakeStep(3, "ind2", Text::tr("Indicator 2"), indicators_[1]);
    MakeStep(4, "ind3", Text::tr("Diagram"), indicators_[2]);
    MakeStep(5, "icons", Text::tr("Tray icons"), icons_);
    MakeStep(6, "save", Text::tr("Save skin"), save_);
    steps_[0].back->setEnabled(false);
    steps_[6].next->setText(Text::tr("Finish"));

    AddPreview(0, window_->previewPlace());
    for (int i = 0; i < 3; ++i) {
        AddPreview(i + 1, indicators_[i]->previewPlace());
        connect(indicators_[i], &IndicatorPage::changed, this, &TfrSkin::RefreshPreview);
    }
    connect(window_, &WindowPage::changed, this, &TfrSkin::RefreshPreview);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MakeStepColumn());
    layout->addWidget(notebook_, 1);
    FitToScreen();
    InstallWindowKeys(*this, [this] { HelpClick(); });

    ShowDraft();  // the values a first showing starts with
    SelectPage(SkinStep::Creation);
}

TfrSkin::~TfrSkin() = default;

QWidget* TfrSkin::MakeStepColumn() {
    auto* column = new QWidget(this);
    column->setAutoFillBackground(true);
    column->setBackgroundRole(QPalette::Mid);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(12, 40, 8, 12);
    layout->setSpacing(10);
    for (int i = 0; i < kSteps; ++i) {
        stepLabels_[i] = new QLabel(Text::tr("Step %1").arg(i + 1), column);
        stepLabels_[i]->setObjectName(QStringLiteral("lbStep%1").arg(i + 1));
        // Room for the bold caption of the current step.
        QFont bold = stepLabels_[i]->font();
        bold.setBold(true);
        stepLabels_[i]->setMinimumWidth(
            QFontMetrics(bold).horizontalAdvance(stepLabels_[i]->text()));
        layout->addWidget(stepLabels_[i]);
    }
    layout->addStretch();
    lbPastefold_ = new LinkLabel(QStringLiteral("lbPastefold"), QStringLiteral("Pastefold"),
                                 QLatin1String(kMakerSite) + QLatin1String(kClipboardManagerPath),
                                 services_.dialogs, column);
    layout->addWidget(lbPastefold_);
    column->setFixedWidth(std::max(86, column->sizeHint().width()));  // wider for a larger font
    return column;
}

QWidget* TfrSkin::MakeStep(int index, const char* name, const QString& title, QWidget* content) {
    auto* page = new QWidget(notebook_);
    page->setObjectName(QLatin1String(name));

    auto* titleBar = new QLabel(title, page);
    // In the colours of an entry field: white in a light theme, and following the theme.
    titleBar->setAutoFillBackground(true);
    titleBar->setBackgroundRole(QPalette::Base);
    titleBar->setForegroundRole(QPalette::Text);
    SetBold(titleBar, true);
    titleBar->setContentsMargins(12, 0, 0, 0);
    titleBar->setFixedHeight(std::max(36, titleBar->sizeHint().height()));

    StepFrame& step = steps_[index];
    step.page = page;
    step.back = new QPushButton(Text::tr("Back"), page);
    step.next = new QPushButton(Text::tr("Next"), page);
    step.help = new QPushButton(Text::tr("Help"), page);
    step.back->setObjectName(QLatin1String(kButtonNames[index][0]));
    step.next->setObjectName(QLatin1String(kButtonNames[index][1]));
    step.help->setObjectName(QLatin1String(kButtonNames[index][2]));
    connect(step.back, &QPushButton::clicked, this, &TfrSkin::BackClick);
    connect(step.next, &QPushButton::clicked, this, &TfrSkin::NextClick);
    connect(step.help, &QPushButton::clicked, this, &TfrSkin::HelpClick);

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(8, 6, 8, 8);
    bottom->addStretch();
    bottom->addWidget(step.back);
    bottom->addWidget(step.next);
    bottom->addSpacing(12);
    bottom->addWidget(step.help);

    auto* line = new QFrame(page);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    // The step's own controls scroll only on a screen too low for the whole window.
    auto* scroll = new QScrollArea(page);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    scrolls_[index] = scroll;

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(titleBar);
    layout->addWidget(scroll, 1);
    layout->addWidget(line);
    layout->addLayout(bottom);
    notebook_->addWidget(page);
    return page;
}

void TfrSkin::AddPreview(int index, QWidget* place) {
    previews_[index] = new SkinPreview(place);
    previews_[index]->setObjectName(QStringLiteral("SkinPreview%1").arg(index + 2));
    auto* layout = new QVBoxLayout(place);
    layout->setContentsMargins(4, 8, 0, 0);
    layout->addWidget(previews_[index]);
}

void TfrSkin::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    title_.Take(*this);
    FitToScreen();
    if (const QScreen* screen = this->screen()) {
        CentreOnScreen(*this, *screen);
    }
    SelectPage(SkinStep::Creation);
}

void TfrSkin::closeEvent(QCloseEvent* event) {
    event->accept();
    // The settings window that comes back takes its title from the program's name again.
    title_.GiveBack();
    emit closed();
}

// The designed size, or more where the controls need more room, as with a larger font. On a
// screen too low for that (a high scale on a small screen) the window is as high as the
// screen allows and the steps' own controls scroll, so the bottom bar stays within reach.
void TfrSkin::FitToScreen() {
    for (QScrollArea* scroll : scrolls_) {
        scroll->setMinimumSize(scroll->widget()->minimumSizeHint());
    }
    FixSizeAtLeast(*this, QSize(527, 432));
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    const QSize room = RoomOnScreen(*this, *screen);
    if (width() <= room.width() && height() <= room.height()) {
        return;
    }
    for (QScrollArea* scroll : scrolls_) {
        scroll->setMinimumSize(0, 0);
    }
    setFixedSize(size().boundedTo(room).expandedTo(minimumSizeHint()));
}

SkinStep TfrSkin::CurrentStep() const {
    return static_cast<SkinStep>(notebook_->currentIndex());
}

QWidget* TfrSkin::FirstField(SkinStep step) const {
    switch (step) {
        case SkinStep::Creation:
            return creation_->FirstField();
        case SkinStep::Window:
            return window_->FirstField();
        case SkinStep::Indicator1:
        case SkinStep::Indicator2:
        case SkinStep::Diagram:
            return indicators_[IndicatorOf(step)]->FirstField();
        case SkinStep::TrayIcons:
            return icons_->FirstField();
        case SkinStep::Save:
            break;
    }
    return save_->FirstField();
}

// The focus goes to the first field of the new step, as a keyboard user would go on there.
void TfrSkin::SelectPage(SkinStep step) {
    const int index = static_cast<int>(step);
    notebook_->setCurrentIndex(index);
    for (int i = 0; i < kSteps; ++i) {
        SetBold(stepLabels_[i], i == index);
    }
    FirstField(step)->setFocus(Qt::TabFocusReason);
    RefreshPreview();
}

void TfrSkin::BackClick() {
    if (const SkinStep step = CurrentStep(); step != SkinStep::Creation) {
        SelectPage(StepAfter(step, -1));
    }
}

void TfrSkin::NextClick() {
    const SkinStep step = CurrentStep();
    CollectDraft();
    switch (step) {
        case SkinStep::Creation:
            CreationNext();
            break;
        case SkinStep::Window:
            SelectPage(SkinStep::Indicator1);
            break;
        case SkinStep::Indicator1:
        case SkinStep::Indicator2:
        case SkinStep::Diagram:
            PictureNext(step);
            break;
        case SkinStep::TrayIcons:
            IconsNext();
            break;
        case SkinStep::Save:
            FinishClick();
            break;
    }
}

void TfrSkin::HelpClick() {
    OpenSiteLink(*services_.dialogs, SkinEditorHelpPath(static_cast<int>(CurrentStep()) + 1),
                 platform::ShippedFolderOf(services_.programFolder));
}

void TfrSkin::CreationNext() {
    if (const std::optional<QString> refused = CheckCreation(draft_)) {
        Message(*refused);
        return;
    }
    if (draft_.modifyExisting) {
        try {
            LoadSkin(draft_.existing, draft_);
        } catch (const ConvertError& error) {
            ShowDraft();  // what was read before the bad colour stays
            services_.dialogs->ShowError(QString::fromStdString(error.what()));
            return;
        }
        ShowDraft();
    }
    SelectPage(SkinStep::Window);
}

void TfrSkin::PictureNext(SkinStep step) {
    if (const std::optional<QString> refused =
            CheckPicture(draft_.indicators[IndicatorOf(step)], draft_.loadedFolder)) {
        Message(*refused);
        return;
    }
    SelectPage(StepAfter(step, 1));
}

void TfrSkin::IconsNext() {
    IconsCheck check = CheckIcons(draft_);
    if (check.message) {
        Message(*check.message);
        return;
    }
    iconsBitmap_ = std::move(check.built);
    SelectPage(SkinStep::Save);
}

void TfrSkin::FinishClick() {
    if (const std::optional<QString> refused = CheckSave(draft_)) {
        Message(*refused);
        return;
    }
    SkinDraft saved = draft_;
    saved.file = ResolvePath(draft_.file, SkinsFolder());
    try {
        SaveSkin(saved, iconsBitmap_);
    } catch (const WriteError& error) {
        services_.dialogs->ShowError(QString::fromStdString(error.what()));
        return;
    }
    iconsBitmap_ = QImage();
    close();
}

void TfrSkin::CollectDraft() {
    creation_->Collect(draft_);
    window_->Collect(draft_);
    for (int i = 0; i < 3; ++i) {
        indicators_[i]->Collect(draft_.indicators[i]);
    }
    icons_->Collect(draft_);
    save_->Collect(draft_);
}

void TfrSkin::ShowDraft() {
    creation_->Show(draft_);
    window_->Show(draft_);
    for (int i = 0; i < 3; ++i) {
        indicators_[i]->Show(draft_.indicators[i]);
    }
    icons_->Show(draft_);
    save_->Show(draft_);
}

// The steps with a preview: the window's and the three indicators'.
void TfrSkin::RefreshPreview() {
    const SkinStep step = CurrentStep();
    if (step < SkinStep::Window || step > SkinStep::Diagram) {
        return;
    }
    CollectDraft();
    previews_[static_cast<int>(step) - 1]->Show(DraftToLook(draft_), step == SkinStep::Diagram);
}

void TfrSkin::Message(const QString& text) {
    services_.dialogs->ShowMessage(EditorTitle(), text);
}

// Where a skin saved under a bare name goes: the skins folder of the settings, so the new
// skin shows in the settings window's list.
QString TfrSkin::SkinsFolder() const {
    const ProfileText settings = LoadProfile(services_.settingsFile);
    const QString folder =
        QString::fromStdString(Read(settings, setting::kSkinPath, Program::SettingsProgram));
    return folder.isEmpty()
               ? QString::fromStdString(platform::ShippedFolderOf(services_.programFolder)) +
                     QStringLiteral("skins")
               : folder;
}

}  // namespace tarnwick::cfg
