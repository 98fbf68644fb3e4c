#include "settings/skin/skin_pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringList>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/ui/dialogs.h"
#include "settings/skin/indicator_page.h"
#include "settings/skin/panels.h"
#include "settings/skin/step_checks.h"

namespace tarnwick::cfg {
namespace {

// The skin editor's texts are translated in one context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SkinEditor)
};

const int kDepths[] = {24, 16, 8, 4};

QToolButton* Button(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    return button;
}

// "...": a screen reader says what it chooses.
QToolButton* ChooseButton(const char* name, const QString& spoken, QWidget* parent) {
    QToolButton* button = Button(name, QStringLiteral("..."), parent);
    button->setAccessibleName(spoken);
    return button;
}

// "?": named apart from the step's "Help" button and from each other.
QToolButton* HelpButton(const char* name, const QString& spoken, QWidget* parent) {
    QToolButton* button = Button(name, QStringLiteral("?"), parent);
    button->setToolTip(Text::tr("Help"));
    button->setAccessibleName(spoken);
    return button;
}

QLineEdit* Field(const char* name, bool readOnly, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(readOnly);
    return field;
}

QVBoxLayout* PageLayout(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 6);
    return layout;
}

// What "?" beside the digits folder tells; this platform breaks lines with a line feed.
QString DigitsFolderHelp() {
    return Text::tr(
        "The folder with pictures of digits\n"
        "should contain the following files:\n"
        "    0.bmp\n"
        "    1.bmp\n"
        "    ...\n"
        "    8.bmp\n"
        "    9.bmp\n"
        "Each of these files should be the correct\n"
        "bitmap in the size 8 x 16 pixels.\n"
        "Files should contain picture of digit,\n"
        "specified in a filename.\n"
        "Also in this folder should be a file\n"
        "100.bmp with such parameters:\n"
        "    sizes 16 x 16 pixels\n"
        "    number represented on picture - 100");
}

}  // namespace

QString EditorTitle() {
    return Text::tr("Skins editor");
}

// Step 1 ----------------------------------------------------------------------------------

CreationPage::CreationPage(Dialogs& dialogs, QWidget* parent) : QWidget(parent), dialogs_(dialogs) {
    auto* method = new QGroupBox(Text::tr("Method of creation"), this);
    auto* methodLayout = new QVBoxLayout(method);
    cbNew_ = new QRadioButton(Text::tr("&Create a new skin"), method);
    cbNew_->setObjectName(QStringLiteral("cbNew"));
    cbNew_->setChecked(true);
    cbExist_ = new QRadioButton(Text::tr("&Modify an existing skin"), method);
    cbExist_->setObjectName(QStringLiteral("cbExist"));
    edExist_ = Field("edExist", true, method);
    btExist_ = ChooseButton("BitBtn14", Text::tr("Choose a skin file"), method);
    auto* row = new QHBoxLayout;
    row->addWidget(edExist_);
    row->addWidget(btExist_);
    methodLayout->addWidget(cbNew_);
    methodLayout->addWidget(cbExist_);
    methodLayout->addSpacing(8);
    methodLayout->addWidget(BuddyLabel(Text::tr("Specify a skin file:"), edExist_));
    methodLayout->addLayout(row);
    QVBoxLayout* layout = PageLayout(this);
    layout->addWidget(method);
    layout->addStretch();

    connect(btExist_, &QToolButton::clicked, this, [this] {
        const QString chosen = dialogs_.OpenFileName(
            Text::tr("Open"), QString(), Text::tr("Skins") + QStringLiteral(" (*.skin)"));
        if (!chosen.isEmpty()) {
            edExist_->setText(chosen);
        }
    });
}

QWidget* CreationPage::FirstField() const {
    return cbExist_->isChecked() ? cbExist_ : cbNew_;
}

void CreationPage::Show(const SkinDraft& draft) {
    (draft.modifyExisting ? cbExist_ : cbNew_)->setChecked(true);
    edExist_->setText(draft.existing);
}

void CreationPage::Collect(SkinDraft& draft) const {
    draft.modifyExisting = cbExist_->isChecked();
    draft.existing = edExist_->text();
}

// Step 2 ----------------------------------------------------------------------------------

WindowPage::WindowPage(Dialogs& dialogs, QWidget* parent) : QWidget(parent) {
    auto* size = new QGroupBox(Text::tr("Window size"), this);
    auto* sizeGrid = new QGridLayout(size);
    udWidth_ = new QSpinBox(size);
    udWidth_->setObjectName(QStringLiteral("udWidth"));
    udHeight_ = new QSpinBox(size);
    udHeight_->setObjectName(QStringLiteral("udHeight"));
    int row = 0;
    for (auto [spin, caption] : {std::pair{udWidth_, QT_TRANSLATE_NOOP("SkinEditor", "Width")},
                                 std::pair{udHeight_, QT_TRANSLATE_NOOP("SkinEditor", "Height")}}) {
        spin->setRange(1, 2000);
        spin->setFixedWidth(64);
        spin->setAccessibleDescription(Text::tr("pixels"));
        sizeGrid->addWidget(BuddyLabel(Text::tr(caption), spin), row, 0);
        sizeGrid->addWidget(spin, row, 1);
        sizeGrid->addWidget(new QLabel(Text::tr("pixels"), size), row, 2);
        ++row;
    }

    auto* colours = new QGroupBox(Text::tr("Colors"), this);
    auto* colourGrid = new QGridLayout(colours);
    pnWindow_ = new ColorPanel(dialogs, colours);
    pnWindow_->setObjectName(QStringLiteral("pnWindow"));
    cbTransparent_ = new QCheckBox(Text::tr("&Transparent color"), colours);
    cbTransparent_->setObjectName(QStringLiteral("cbTransparent"));
    pnTransparent_ = new ColorPanel(dialogs, colours);
    pnTransparent_->setObjectName(QStringLiteral("pnTransparent"));
    pnTransparent_->setAccessibleName(Text::tr("Transparent color"));  // the check box's
    colourGrid->addWidget(BuddyLabel(Text::tr("Background color"), pnWindow_), 0, 0);
    colourGrid->addWidget(pnWindow_, 0, 1);
    colourGrid->addWidget(cbTransparent_, 1, 0);
    colourGrid->addWidget(pnTransparent_, 1, 1);
    colourGrid->setColumnStretch(2, 1);

    previewPlace_ = new QWidget(this);
    previewPlace_->setObjectName(QStringLiteral("preview0"));

    auto* top = new QHBoxLayout;
    auto* groups = new QVBoxLayout;
    groups->addWidget(size);
    groups->addWidget(colours);
    top->addLayout(groups);
    QVBoxLayout* layout = PageLayout(this);
    layout->addLayout(top);
    layout->addWidget(previewPlace_, 1);

    connect(udWidth_, &QSpinBox::valueChanged, this, &WindowPage::changed);
    connect(udHeight_, &QSpinBox::valueChanged, this, &WindowPage::changed);
    connect(pnWindow_, &ColorPanel::changed, this, &WindowPage::changed);
    connect(pnTransparent_, &ColorPanel::changed, this, &WindowPage::changed);
    connect(cbTransparent_, &QCheckBox::toggled, this, &WindowPage::changed);
}

QWidget* WindowPage::FirstField() const {
    return udWidth_;
}

void WindowPage::Show(const SkinDraft& draft) {
    const QSignalBlocker blockWidth(udWidth_);
    const QSignalBlocker blockHeight(udHeight_);
    udWidth_->setValue(draft.width);
    udHeight_->setValue(draft.height);
    pnWindow_->SetValue(draft.background);
    cbTransparent_->setChecked(draft.transparent);
    pnTransparent_->SetValue(draft.transparentColor);
}

void WindowPage::Collect(SkinDraft& draft) const {
    draft.width = udWidth_->value();
    draft.height = udHeight_->value();
    draft.background = pnWindow_->value();
    draft.transparent = cbTransparent_->isChecked();
    draft.transparentColor = pnTransparent_->value();
}

// Step 6 ----------------------------------------------------------------------------------

IconsPage::IconsPage(Dialogs& dialogs, QWidget* parent) : QWidget(parent), dialogs_(dialogs) {
    auto* box = new QGroupBox(Text::tr("Icons settings"), this);
    auto* grid = new QGridLayout(box);
    rbIconsNew_ = new QRadioButton(Text::tr("&Create an icons file"), box);
    rbIconsNew_->setObjectName(QStringLiteral("rbIconsNew"));
    rbIconsNew_->setChecked(true);
    edIconsDir_ = Field("edIconsDir", true, box);
    btIconsDir_ =
        ChooseButton("BitBtn20", Text::tr("Choose the folder with images of digits"), box);
    btDigitsHelp_ =
        HelpButton("BitBtn22", Text::tr("Help on the folder with images of digits"), box);
    pnIconsGround_ = new ColorPanel(dialogs, box);
    pnIconsGround_->setObjectName(QStringLiteral("pnIconsGround"));
    cmDepth_ = new QComboBox(box);
    cmDepth_->setObjectName(QStringLiteral("cmDepth"));
    cmDepth_->addItems({Text::tr("24 bit"), Text::tr("16 bit"), Text::tr("8 bit (256 colors)"),
                        Text::tr("4 bit (16 colors)")});
    edIconsName_ = Field("edIconsName", false, box);
    edIconsName_->setText(QStringLiteral("icons"));
    rbIconsOld_ = new QRadioButton(Text::tr("&Open the icons file"), box);
    rbIconsOld_->setObjectName(QStringLiteral("rbIconsOld"));
    edIcons_ = Field("edIcons", true, box);
    btIcons_ = ChooseButton("BitBtn21", Text::tr("Choose an icons file"), box);
    btIconsHelp_ = HelpButton("BitBtn23", Text::tr("Help on the icons file"), box);
    rbIconsBuilt_ = new QRadioButton(Text::tr("&Use standard icons"), box);
    rbIconsBuilt_->setObjectName(QStringLiteral("rbIconsBuilt"));

    constexpr int kIndent = 20;
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(edIconsDir_);
    folderRow->addWidget(btIconsDir_);
    folderRow->addWidget(btDigitsHelp_);
    auto* optionsRow = new QGridLayout;
    optionsRow->addWidget(BuddyLabel(Text::tr("Background color:"), pnIconsGround_), 0, 0);
    optionsRow->addWidget(pnIconsGround_, 0, 1);
    optionsRow->addWidget(BuddyLabel(Text::tr("Color depth:"), cmDepth_), 1, 0);
    optionsRow->addWidget(cmDepth_, 1, 1);
    optionsRow->addWidget(BuddyLabel(Text::tr("File name:"), edIconsName_), 2, 0);
    optionsRow->addWidget(edIconsName_, 2, 1);
    optionsRow->setColumnStretch(2, 1);
    auto* iconsRow = new QHBoxLayout;
    iconsRow->addWidget(edIcons_);
    iconsRow->addWidget(btIcons_);
    iconsRow->addWidget(btIconsHelp_);

    grid->setColumnMinimumWidth(0, kIndent);
    grid->addWidget(rbIconsNew_, 0, 0, 1, 2);
    grid->addWidget(BuddyLabel(Text::tr("Folder with images of digits:"), edIconsDir_), 1, 1);
    grid->addLayout(folderRow, 2, 1);
    grid->addLayout(optionsRow, 3, 1);
    grid->addWidget(rbIconsOld_, 4, 0, 1, 2);
    grid->addWidget(BuddyLabel(Text::tr("Specify icons file"), edIcons_), 5, 1);
    grid->addLayout(iconsRow, 6, 1);
    grid->addWidget(rbIconsBuilt_, 7, 0, 1, 2);
    QVBoxLayout* layout = PageLayout(this);
    layout->addWidget(box);
    layout->addStretch();

    connect(btIconsDir_, &QToolButton::clicked, this, [this] {
        const QString chosen = dialogs_.ChooseFolder(Text::tr("Choose a folder:"));
        if (!chosen.isEmpty()) {
            edIconsDir_->setText(chosen);
        }
    });
    connect(btIcons_, &QToolButton::clicked, this, [this] {
        const QString chosen =
            dialogs_.OpenPictureName(Text::tr("Open"), QString(), PictureFilter());
        if (!chosen.isEmpty()) {
            edIcons_->setText(chosen);
        }
    });
    connect(btDigitsHelp_, &QToolButton::clicked, this,
            [this] { dialogs_.ShowMessage(EditorTitle(), DigitsFolderHelp()); });
    connect(btIconsHelp_, &QToolButton::clicked, this, [this] {
        dialogs_.ShowMessage(EditorTitle(),
                             Text::tr("The image of icons should have the sizes 1616 x 16 pixels"));
    });
}

QWidget* IconsPage::FirstField() const {
    return rbIconsOld_->isChecked()     ? rbIconsOld_
           : rbIconsBuilt_->isChecked() ? rbIconsBuilt_
                                        : rbIconsNew_;
}

void IconsPage::Show(const SkinDraft& draft) {
    switch (draft.iconsWay) {
        case IconsWay::Create:
            rbIconsNew_->setChecked(true);
            break;
        case IconsWay::Open:
            rbIconsOld_->setChecked(true);
            break;
        case IconsWay::Standard:
            rbIconsBuilt_->setChecked(true);
            break;
    }
    edIconsDir_->setText(draft.iconsDir);
    pnIconsGround_->SetValue(draft.iconsGround);
    for (int i = 0; i < 4; ++i) {
        if (kDepths[i] == draft.iconsDepth) {
            cmDepth_->setCurrentIndex(i);
        }
    }
    edIconsName_->setText(draft.iconsName);
    edIcons_->setText(draft.iconsFile);
}

void IconsPage::Collect(SkinDraft& draft) const {
    draft.iconsWay = rbIconsNew_->isChecked()   ? IconsWay::Create
                     : rbIconsOld_->isChecked() ? IconsWay::Open
                                                : IconsWay::Standard;
    draft.iconsDir = edIconsDir_->text();
    draft.iconsGround = pnIconsGround_->value();
    draft.iconsDepth = kDepths[std::max(0, cmDepth_->currentIndex())];
    draft.iconsName = edIconsName_->text();
    draft.iconsFile = edIcons_->text();
}

// Step 7 ----------------------------------------------------------------------------------

SavePage::SavePage(Dialogs& dialogs, QWidget* parent) : QWidget(parent), dialogs_(dialogs) {
    edName_ = Field("edName", false, this);
    edAuthor_ = Field("edAuthor", false, this);
    reInfo_ = new QPlainTextEdit(this);
    reInfo_->setTabChangesFocus(true);  // Tab leaves the text for the next control
    reInfo_->setObjectName(QStringLiteral("reInfo"));
    reInfo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    reInfo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reInfo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edFile_ = Field("edFile", false, this);
    btFile_ = ChooseButton("BitBtn12", Text::tr("Choose a file to save as"), this);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(edFile_);
    fileRow->addWidget(btFile_);
    QVBoxLayout* layout = PageLayout(this);
    layout->addWidget(BuddyLabel(Text::tr("Skin title"), edName_));
    layout->addWidget(edName_);
    layout->addWidget(BuddyLabel(Text::tr("Author name"), edAuthor_));
    layout->addWidget(edAuthor_);
    layout->addWidget(BuddyLabel(Text::tr("Description"), reInfo_));
    layout->addWidget(reInfo_, 1);
    layout->addWidget(BuddyLabel(Text::tr("Save as"), edFile_));
    layout->addLayout(fileRow);

    connect(btFile_, &QToolButton::clicked, this, [this] {
        const QString chosen = dialogs_.SaveFileName(
            Text::tr("Save as"), QString(),
            QStringLiteral("%1 (*.skin);;%2 (*)").arg(Text::tr("Skin"), Text::tr("All files")));
        if (!chosen.isEmpty()) {
            edFile_->setText(WithSkinExtension(chosen));
        }
    });
}

QWidget* SavePage::FirstField() const {
    return edName_;
}

void SavePage::Show(const SkinDraft& draft) {
    edName_->setText(draft.name);
    edAuthor_->setText(draft.author);
    reInfo_->setPlainText(draft.info);
    edFile_->setText(draft.file);
}

void SavePage::Collect(SkinDraft& draft) const {
    draft.name = edName_->text();
    draft.author = edAuthor_->text();
    draft.info = reInfo_->toPlainText();
    draft.file = edFile_->text();
}

}  // namespace tarnwick::cfg
