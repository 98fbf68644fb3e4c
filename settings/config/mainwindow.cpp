#include "settings/config/mainwindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/autorun.h"
#include "common/errors.h"
#include "common/links.h"
#include "common/profile_file.h"
#include "common/programs.h"
#include "common/refresh.h"
#include "common/settings.h"
#include "common/ui/app_title.h"
#include "common/ui/dialogs.h"
#include "common/ui/fixed_size.h"
#include "common/ui/link_label.h"
#include "common/ui/open_link.h"
#include "common/ui/window_keys.h"
#include "platform/process.h"
#include "settings/config/events_page.h"
#include "settings/config/option_pages.h"
#include "settings/config/page_links.h"
#include "settings/config/refresh_monitors.h"
#include "settings/config/skins_page.h"

namespace tarnwick::cfg {
namespace {

// The settings window's texts, its pages' included, are translated in one context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SettingsWindow)
};

constexpr int kPageButtonWidth = 152;
constexpr int kPageButtonHeight = 49;

QPushButton* NewButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

TfrMain::TfrMain(const SettingsServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      services_(services),
      options_(std::make_unique<OptionPages>(services.dialogs, this)),
      skins_(new SkinsPage(services, this)),
      events_(new EventsPage(services, this)),
      nbPages_(new QStackedWidget(this)),
      pageButtons_(new QButtonGroup(this)),
      btOk_(NewButton("btOk", Text::tr("Ok"), this)),
      btCancel_(NewButton("btCancel", Text::tr("Cancel"), this)),
      btApply_(NewButton("btApply", Text::tr("Apply"), this)),
      btHelp_(NewButton("btHelp", Text::tr("Help"), this)) {
    setObjectName(QStringLiteral("frMain"));
    setWindowTitle(Text::tr("Tarnwick Settings"));

    nbPages_->setObjectName(QStringLiteral("nbPages"));
    QWidget* const pages[] = {options_->mainPage(),
                              options_->indicatorsPage(),
                              options_->iconsPage(),
                              options_->advancedPage(),
                              skins_,
                              events_,
                              options_->toolsPage(),
                              options_->aboutPage()};
    const QString captions[] = {Text::tr("Main settings"), Text::tr("Indicators"),
                                Text::tr("Tray icons"),    Text::tr("Advanced"),
                                Text::tr("Skins"),         Text::tr("Events"),
                                Text::tr("Tools"),         Text::tr("About")};
    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    for (int i = 0; i < 8; ++i) {
        nbPages_->addWidget(pages[i]);
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("sbItem%1").arg(i + 1));
        button->setText(captions[i]);
        button->setCheckable(true);
        button->setAutoRaise(true);
        // Larger only where a larger font needs it.
        button->setFixedSize(
            QSize(kPageButtonWidth, kPageButtonHeight).expandedTo(button->sizeHint()));
        pageButtons_->addButton(button, i);
        column->addWidget(button);
        sbItems_[static_cast<std::size_t>(i)] = button;
    }
    column->addStretch(1);
    // Toggled, not clicked: a screen reader's toggle action ticks a button without a click.
    connect(pageButtons_, &QButtonGroup::idToggled, nbPages_, [this](int page, bool checked) {
        if (checked) {
            nbPages_->setCurrentIndex(page);
        }
    });

    auto* bar = new QHBoxLayout;
    bar->addWidget(new LinkLabel(QStringLiteral("lbPastefold"), QStringLiteral("Pastefold"),
                                 MakerPage(kClipboardManagerPath), services_.dialogs, this));
    bar->addStretch(1);
    for (QPushButton* button : {btOk_, btCancel_, btApply_, btHelp_}) {
        bar->addWidget(button);
    }
    btOk_->setDefault(true);

    auto* body = new QHBoxLayout;
    body->setSpacing(8);
    body->addLayout(column);
    body->addWidget(nbPages_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 8, 6);
    layout->addLayout(body, 1);
    layout->addLayout(bar);
    FixSizeAtLeast(*this, QSize(527, 432));

    connect(btOk_, &QPushButton::clicked, this, &TfrMain::OkClick);
    connect(btApply_, &QPushButton::clicked, this, &TfrMain::ApplyClick);
    connect(btCancel_, &QPushButton::clicked, this, &QWidget::close);
    connect(btHelp_, &QPushButton::clicked, this, &TfrMain::HelpClick);
    for (QPushButton* button : {skins_->skinsEditorButton(), options_->toolsSkinsEditor()}) {
        connect(button, &QPushButton::clicked, this,
                [this] { HandOver(&TfrMain::skinEditorRequested); });
    }
    for (QPushButton* button : {events_->eventsEditorButton(), options_->toolsEventsEditor()}) {
        connect(button, &QPushButton::clicked, this,
                [this] { HandOver(&TfrMain::eventsEditorRequested); });
    }
    connect(events_, &EventsPage::eventDeleted, this,
            [this] { BroadcastToMonitors(services_, {kRefreshEventsMessage}); });
    InstallWindowKeys(*this, [this] { HelpClick(); });

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TfrMain::~TfrMain() = default;

void TfrMain::FormCreate() {
    LoadOptions();
    LoadSkins();
    LoadEventsNames();
    options_->autorunBox()->setEnabled(CanWriteAutorun(services_.autostartFolder));
    SelectPage(kMainPage);
}

void TfrMain::LoadOptions() {
    const Settings settings = ReadSettingsProgramSettings(LoadProfile(services_.settingsFile));
    options_->Show(settings);
    // The shipped skins lie beside the program in a build and under share/ when installed.
    const std::string shippedSkins = platform::ShippedFolderOf(services_.programFolder) + "skins/";
    skins_->edSkinPath()->setText(
        QString::fromStdString(settings.skinpath.empty() ? shippedSkins : settings.skinpath));
    skins_->cbRandomSkin()->setChecked(settings.random);
}

void TfrMain::LoadSkins() {
    skins_->LoadSkins();
}

void TfrMain::LoadEventsNames() {
    events_->LoadEventsNames();
}

void TfrMain::SelectPage(int page) {
    sbItems_[static_cast<std::size_t>(page)]->setChecked(true);
    nbPages_->setCurrentIndex(page);
}

int TfrMain::currentPage() const {
    return nbPages_->currentIndex();
}

bool TfrMain::SaveOptions() {
    Settings settings = options_->Take(Settings{});
    const bool hasSkins = skins_->HasSkins();
    if (hasSkins) {
        settings.active = skins_->ActivePathForSaving().toStdString();
    }
    settings.skinpath = skins_->edSkinPath()->text().toStdString();
    settings.random = skins_->cbRandomSkin()->isChecked();
    try {
        tarnwick::SaveOptions(services_.settingsFile, settings, hasSkins);
    } catch (const UserError& error) {
        services_.dialogs->ShowError(QString::fromStdString(error.what()));
        return false;
    }
    SetAutorun(settings.autorun, services_.programFolder + kMonitorProgram,
               services_.autostartFolder);
    return true;
}

bool TfrMain::ApplyClick() {
    if (!SaveOptions()) {
        return false;
    }
    BroadcastToMonitors(services_, {kRefreshOptionsMessage, kRefreshEventsMessage});
    return true;
}

void TfrMain::OkClick() {
    if (ApplyClick()) {
        close();
    }
}

void TfrMain::HelpClick() {
    OpenSiteLink(*services_.dialogs, SettingsHelpPath(currentPage() + 1),
                 platform::ShippedFolderOf(services_.programFolder));
}

void TfrMain::HandOver(void (TfrMain::*request)()) {
    hide();
    emit(this->*request)();
}

void TfrMain::showEvent(QShowEvent* event) {
    TakeApplicationTitle(*this);
    skins_->SelectFirstWhenNone();
    QWidget::showEvent(event);
}

void TfrMain::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit finished();
}

// "Ok" is the default button: Enter that no control of the page used presses it, as in a
// dialog. Enter on a focused button ("Cancel", "Delete event") and Escape, which is "Cancel",
// are the window keys of the program.
void TfrMain::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        btOk_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tarnwick::cfg
