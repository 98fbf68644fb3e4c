#include "settings/config/skins_page.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/profile_file.h"
#include "common/settings_keys.h"
#include "common/ui/dialogs.h"
#include "common/ui/link_label.h"
#include "settings/config/descriptions.h"
#include "settings/config/page_links.h"

namespace tarnwick::cfg {
namespace {

// The settings window's texts are translated in one context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SettingsWindow)
};

}  // namespace

SkinsPage::SkinsPage(const SettingsServices& services, QWidget* parent)
    : QWidget(parent),
      services_(services),
      lbSkins_(new QListWidget(this)),
      reInfo_(new QPlainTextEdit(this)),
      edSkinPath_(new QLineEdit(this)),
      cbRandomSkin_(new QCheckBox(Text::tr("&Random skin"), this)),
      btSkinsEditor_(new QPushButton(Text::tr("Skins editor"), this)) {
    setObjectName(QStringLiteral("pgSkins"));
    lbSkins_->setObjectName(QStringLiteral("lbSkins"));
    reInfo_->setObjectName(QStringLiteral("reInfo"));
    reInfo_->setReadOnly(true);
    edSkinPath_->setObjectName(QStringLiteral("edSkinPath"));
    edSkinPath_->setReadOnly(true);
    cbRandomSkin_->setObjectName(QStringLiteral("cbRandomSkin"));
    btSkinsEditor_->setObjectName(QStringLiteral("BitBtn2"));

    auto* active = new QGroupBox(Text::tr("Active skin"), this);
    auto* activeLayout = new QVBoxLayout(active);
    activeLayout->addWidget(lbSkins_);
    // A list takes no name from its group, so a screen reader is told the group's title.
    lbSkins_->setAccessibleName(active->title());
    auto* info = new QGroupBox(Text::tr("Information of skin"), this);
    auto* infoLayout = new QVBoxLayout(info);
    infoLayout->addWidget(reInfo_);
    reInfo_->setAccessibleName(info->title());
    auto* top = new QHBoxLayout;
    top->addWidget(active, 1);
    top->addWidget(info, 1);

    auto* parameters = new QGroupBox(Text::tr("Parameters"), this);
    auto* grid = new QGridLayout(parameters);
    auto* folderLabel = new QLabel(Text::tr("Folder with skins:"), parameters);
    folderLabel->setBuddy(edSkinPath_);
    grid->addWidget(folderLabel, 0, 0, 1, 2);
    auto* browse = new QPushButton(QStringLiteral("..."), parameters);
    browse->setObjectName(QStringLiteral("BitBtn1"));
    browse->setToolTip(Text::tr("Browse..."));
    browse->setAccessibleName(browse->toolTip());
    browse->setFixedWidth(browse->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 20);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(edSkinPath_, 1);
    folderRow->addWidget(browse);
    grid->addLayout(folderRow, 1, 0, 1, 2);
    grid->addWidget(cbRandomSkin_, 2, 0);
    grid->addWidget(btSkinsEditor_, 2, 1, Qt::AlignRight);
    grid->addWidget(
        new LinkLabel(QStringLiteral("lbLoad"), Text::tr("Download new skins"),
                      ProductPage("/tarnwick/skins.php"), services_.dialogs, parameters),
        3, 0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top, 1);
    layout->addWidget(parameters);

    connect(lbSkins_, &QListWidget::currentRowChanged, this, [this] { lbSkinsClick(); });
    connect(browse, &QPushButton::clicked, this, &SkinsPage::ChooseSkinsFolder);
}

void SkinsPage::LoadSkins() {
    QString folder = edSkinPath_->text();
    if (folder.isEmpty()) {
        return;
    }
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    const QString active = QString::fromStdString(
        Read(LoadProfile(services_.settingsFile), setting::kActive, Program::SettingsProgram));
    skinFiles_ = SkinList(folder);
    const QSignalBlocker quiet(lbSkins_);
    lbSkins_->clear();
    reInfo_->clear();
    int selected = -1;
    for (std::size_t i = 0; i < skinFiles_.size(); ++i) {
        lbSkins_->addItem(skinFiles_[i].name);
        if (skinFiles_[i].path == active) {
            selected = static_cast<int>(i);
        }
    }
    lbSkins_->setCurrentRow(selected);
    if (!skinFiles_.empty()) {
        lbSkinsClick();
    }
}

void SkinsPage::SelectFirstWhenNone() {
    if (!skinFiles_.empty() && lbSkins_->currentRow() < 0) {
        const QSignalBlocker quiet(lbSkins_);
        lbSkins_->setCurrentRow(0);
    }
}

QString SkinsPage::ActivePathForSaving() {
    SelectFirstWhenNone();
    const int row = lbSkins_->currentRow();
    return row >= 0 && row < static_cast<int>(skinFiles_.size())
               ? skinFiles_[static_cast<std::size_t>(row)].path
               : QString();
}

void SkinsPage::lbSkinsClick() {
    const int row = lbSkins_->currentRow();
    if (row < 0 || row >= static_cast<int>(skinFiles_.size())) {
        return;
    }
    const std::string path =
        QFile::encodeName(skinFiles_[static_cast<std::size_t>(row)].path).toStdString();
    reInfo_->setPlainText(SkinDescription(LoadProfile(path)));
}

void SkinsPage::ChooseSkinsFolder() {
    const QString folder = services_.dialogs->ChooseFolder(Text::tr("Choose a folder:"));
    if (folder.isEmpty()) {
        return;
    }
    edSkinPath_->setText(folder);
    LoadSkins();
}

}  // namespace tarnwick::cfg
