#include "settings/config/option_pages.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "common/texts.h"

#include "common/links.h"
#include "common/ui/link_label.h"
#include "settings/config/measure_menu.h"
#include "settings/config/number_field.h"
#include "settings/config/page_links.h"

namespace tarnwick::cfg {
namespace {

// The settings window's texts are translated in one context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SettingsWindow)
};

QWidget* NewPage(const char* name, QWidget* owner, QVBoxLayout*& layout) {
    auto* page = new QWidget(owner);
    page->setObjectName(QLatin1String(name));
    layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    return page;
}

QGroupBox* NewGroup(const QString& title, QWidget* page, QVBoxLayout*& layout) {
    auto* group = new QGroupBox(title, page);
    layout = new QVBoxLayout(group);
    return group;
}

QCheckBox* NewCheckBox(const char* name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

// "Dock within [ 8 ] pixels": a caption, the number field and its unit on one row. A screen
// reader names the field by its caption and describes it by its unit.
QHBoxLayout* NumberRow(const QString& caption, QSpinBox* field, const QString& unit,
                       QWidget* parent, const QString& unitHint = QString()) {
    auto* row = new QHBoxLayout;
    auto* captionLabel = new QLabel(caption, parent);
    captionLabel->setBuddy(field);
    field->setAccessibleDescription(unit);
    row->addWidget(captionLabel);
    row->addWidget(field);
    auto* unitLabel = new QLabel(unit, parent);
    unitLabel->setToolTip(unitHint);
    row->addWidget(unitLabel);
    row->addStretch(1);
    return row;
}

QLabel* NewLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

OptionPages::OptionPages(Dialogs* dialogs, QWidget* owner)
    : dialogs_(dialogs),
      pgMain_(BuildMainPage(owner)),
      pgIndicators_(BuildIndicatorsPage(owner)),
      pgIcons_(BuildIconsPage(owner)),
      pgAdvanced_(BuildAdvancedPage(owner)),
      pgTools_(BuildToolsPage(owner)),
      pgAbout_(BuildAboutPage(owner)) {}

QWidget* OptionPages::BuildMainPage(QWidget* owner) {
    QVBoxLayout* layout;
    QWidget* page = NewPage("pgMain", owner, layout);
    QVBoxLayout* inner;
    QGroupBox* view = NewGroup(Text::tr("View mode"), page, inner);
    rbMode2_ = new QRadioButton(Text::tr("&Two indicators"), view);
    rbMode2_->setObjectName(QStringLiteral("rbMode2"));
    rbMode1_ = new QRadioButton(Text::tr("&One diagram"), view);
    rbMode1_->setObjectName(QStringLiteral("rbMode1"));
    inner->addWidget(rbMode2_);
    inner->addWidget(rbMode1_);
    layout->addWidget(view);

    QGroupBox* window = NewGroup(Text::tr("Main window settings"), page, inner);
    cbPopup_ = NewCheckBox("cbPopup", Text::tr("&Always on top"), window);
    cbBolt_ = NewCheckBox("cbBolt", Text::tr("&Fix a window"), window);
    cbSnap_ = NewCheckBox("cbSnap", Text::tr("&Dock to screen edges"), window);
    udSnap_ = MakeNumberField(QStringLiteral("udSnap"), QStringLiteral("edSnap"), 1, 50, 1, window);
    udTransparent_ = MakeNumberField(QStringLiteral("udTransparent"),
                                     QStringLiteral("edTransparent"), 0, 90, 1, window);
    inner->addWidget(cbPopup_);
    inner->addWidget(cbBolt_);
    inner->addWidget(cbSnap_);
    inner->addLayout(NumberRow(Text::tr("Dock within"), udSnap_, Text::tr("pixels"), window));
    inner->addLayout(
        NumberRow(Text::tr("Window transparency"), udTransparent_, QStringLiteral("%"), window));
    layout->addWidget(window);
    layout->addStretch(1);
    return page;
}

QWidget* OptionPages::BuildIndicatorsPage(QWidget* owner) {
    QVBoxLayout* layout;
    QWidget* page = NewPage("pgIndicators", owner, layout);
    measures_ = new MeasureMenu(page);
    const QString titles[] = {Text::tr("Indicator 1"), Text::tr("Indicator 2"),
                              Text::tr("Diagram")};
    const QString textCaptions[] = {Text::tr("&Text showing"), Text::tr("T&ext showing"),
                                    Text::tr("Te&xt showing")};
    for (std::size_t i = 0; i < 3; ++i) {
        QVBoxLayout* inner;
        QGroupBox* group = NewGroup(titles[i], page, inner);
        QPushButton* button = measures_->button(static_cast<int>(i));
        button->setParent(group);
        inner->addWidget(button);
        const QString n = QString::number(i + 1);
        udTime_[i] = MakeNumberField(QStringLiteral("udTime") + n, QStringLiteral("edTime") + n,
                                     100, 30000, 50, group);
        cbVisible_[i] = new QCheckBox(textCaptions[i], group);
        cbVisible_[i]->setObjectName(QStringLiteral("cbVisible") + n);
        inner->addLayout(NumberRow(Text::tr("Speed of updating:"), udTime_[i],
                                   Text::tr("milliseconds"), group, Text::tr("миллисекунд")));
        inner->addWidget(cbVisible_[i]);
        layout->addWidget(group);
    }
    layout->addStretch(1);
    return page;
}

QWidget* OptionPages::BuildIconsPage(QWidget* owner) {
    QVBoxLayout* layout;
    QWidget* page = NewPage("pgIcons", owner, layout);
    QVBoxLayout* inner;
    QGroupBox* icons = NewGroup(Text::tr("Icons in the system tray"), page, inner);
    // The boxes carry the resources' captions, as the monitor's tray icon items do.
    for (std::size_t i = 0; i < cbIcon_.size(); ++i) {
        cbIcon_[i] = new QCheckBox(ResourceCaption(kResources[i]), icons);
        cbIcon_[i]->setObjectName(QStringLiteral("cbIcon%1").arg(i + 1));
        QCheckBox* box = cbIcon_[i];
        QObject::connect(box, &QCheckBox::clicked, box, [this, box] { cbIcon1Click(box); });
        inner->addWidget(box);
    }
    layout->addWidget(icons);
    QGroupBox* updating = NewGroup(Text::tr("Updating of icons"), page, inner);
    udIconsTime_ = MakeNumberField(QStringLiteral("udIconsTime"), QStringLiteral("edIconsTime"),
                                   100, 30000, 50, updating);
    inner->addLayout(
        NumberRow(Text::tr("Speed of updating"), udIconsTime_, Text::tr("milliseconds"), updating));
    layout->addWidget(updating);
    layout->addStretch(1);
    return page;
}

QWidget* OptionPages::BuildAdvancedPage(QWidget* owner) {
    QVBoxLayout* layout;
    QWidget* page = NewPage("pgAdvanced", owner, layout);
    QVBoxLayout* inner;
    QGroupBox* system = NewGroup(Text::tr("System parameters"), page, inner);
    cbAutorun_ = NewCheckBox("cbAutorun", Text::tr("&Automatic loading"), system);
    cbOneCopy_ = NewCheckBox("cbOneCopy", Text::tr("&Only one copy"), system);
    cbPriority_ = NewCheckBox("cbPriority", Text::tr("&Low priority"), system);
    inner->addWidget(cbAutorun_);
    inner->addWidget(cbOneCopy_);
    inner->addWidget(cbPriority_);
    layout->addWidget(system);
    QGroupBox* hint = NewGroup(Text::tr("Information hint"), page, inner);
    cbInfo_ = NewCheckBox("cbInfo", Text::tr("&Show information hint"), hint);
    udHintShow_ = MakeNumberField(QStringLiteral("udHintShow"), QStringLiteral("edHintShow"), 100,
                                  30000, 50, hint);
    udHintHide_ = MakeNumberField(QStringLiteral("udHintHide"), QStringLiteral("edHintHide"), 100,
                                  30000, 50, hint);
    inner->addWidget(cbInfo_);
    inner->addLayout(
        NumberRow(Text::tr("Pause before showing"), udHintShow_, Text::tr("milliseconds"), hint));
    inner->addLayout(
        NumberRow(Text::tr("Pause before hiding"), udHintHide_, Text::tr("milliseconds"), hint));
    layout->addWidget(hint);
    layout->addStretch(1);
    return page;
}

QWidget* OptionPages::BuildToolsPage(QWidget* owner) {
    QVBoxLayout* layout;
    QWidget* page = NewPage("pgTools", owner, layout);
    QVBoxLayout* inner;
    QGroupBox* tools = NewGroup(Text::tr("Tools"), page, inner);
    btToolsEvents_ = new QPushButton(Text::tr("Events editor"), tools);
    btToolsEvents_->setObjectName(QStringLiteral("BitBtn9"));
    btToolsSkins_ = new QPushButton(Text::tr("Skins editor"), tools);
    btToolsSkins_->setObjectName(QStringLiteral("BitBtn8"));
    inner->addWidget(new QLabel(Text::tr("Creating and editing of events:"), tools));
    inner->addWidget(btToolsEvents_, 0, Qt::AlignLeft);
    inner->addWidget(new QLabel(Text::tr("Creating and editing of skins:"), tools));
    inner->addWidget(btToolsSkins_, 0, Qt::AlignLeft);
    layout->addWidget(tools);
    QGroupBox* clipboard = NewGroup(Text::tr("Clipboard manager"), page, inner);
    inner->addWidget(
        NewLabel(Text::tr("Pastefold - multifunctional clipboard manager"), clipboard));
    inner->addWidget(new LinkLabel(QStringLiteral("lbClipSite"),
                                   Text::tr("Visit the program website"),
                                   MakerPage(kClipboardManagerPath), dialogs_, clipboard));
    inner->addWidget(new LinkLabel(QStringLiteral("lbClipDownload"),
                                   Text::tr("Download the new version"),
                                   MakerPage("/pastefold.zip"), dialogs_, clipboard));
    inner->addWidget(NewLabel(Text::tr("Simplify your work!"), clipboard));
    layout->addWidget(clipboard);
    layout->addStretch(1);
    return page;
}

QWidget* OptionPages::BuildAboutPage(QWidget* owner) {
    QVBoxLayout* layout;
    QWidget* page = NewPage("pgAbout", owner, layout);
    QVBoxLayout* inner;
    QGroupBox* information = NewGroup(Text::tr("Information"), page, inner);
    auto* product = new QLabel(QStringLiteral("Tarnwick"), information);
    QFont large = product->font();
    large.setPointSizeF(large.pointSizeF() * 1.8);
    large.setBold(true);
    product->setFont(large);
    inner->addWidget(product);
    inner->addWidget(new QLabel(Text::tr("Version 3.5"), information));
    inner->addWidget(
        NewLabel(Text::tr("Multifunctional manager of system resources"), information));
    layout->addWidget(information);
    QGroupBox* links = NewGroup(Text::tr("Links"), page, inner);
    inner->addWidget(new LinkLabel(QStringLiteral("lbSite"), Text::tr("Program website"),
                                   ProductPage(kProductPagePath), dialogs_, links));
    inner->addWidget(new LinkLabel(QStringLiteral("lbMail"), Text::tr("Technical support"),
                                   QLatin1String(kSupportMail), dialogs_, links));
    inner->addWidget(new LinkLabel(QStringLiteral("lbDownload"),
                                   Text::tr("Download the new version"),
                                   ProductPage("/tarnwick/download.php"), dialogs_, links));
    layout->addWidget(links);
    QGroupBox* makers = NewGroup(Text::tr("Developers"), page, inner);
    inner->addWidget(NewLabel(Text::tr("Made by the Tarnwick developers, "
                                       "free software for Linux desktops."),
                              makers));
    layout->addWidget(makers);
    layout->addStretch(1);
    return page;
}

// At most one tray icon: a ticked box clears the other three; clearing it leaves none.
void OptionPages::cbIcon1Click(QCheckBox* clicked) {
    for (QCheckBox* box : cbIcon_) {
        if (box != clicked) {
            box->setChecked(false);
        }
    }
}

void OptionPages::Show(const Settings& s) {
    (s.Mode() == DisplayMode::OneDiagram ? rbMode1_ : rbMode2_)->setChecked(true);
    cbPopup_->setChecked(s.popup);
    cbBolt_->setChecked(s.bolt);
    cbSnap_->setChecked(s.snap);
    udSnap_->setValue(s.snapvalue);
    udTransparent_->setValue(s.transparent);
    for (std::size_t i = 0; i < 3; ++i) {
        measures_->SetMeasure(static_cast<int>(i), s.indicators[i].Shows());
        udTime_[i]->setValue(s.indicators[i].time);
        cbVisible_[i]->setChecked(s.indicators[i].visible);
    }
    for (const Resource resource : kResources) {
        cbIcon_[IndexOf(resource)]->setChecked(s.Tray() == TrayMeasureOf(resource));
    }
    udIconsTime_->setValue(s.iconstime);
    cbAutorun_->setChecked(s.autorun);
    cbOneCopy_->setChecked(s.onecopy);
    cbPriority_->setChecked(s.lowprior);
    cbInfo_->setChecked(s.info);
    udHintShow_->setValue(s.infoshow);
    udHintHide_->setValue(s.infohide);
}

Settings OptionPages::Take(Settings s) const {
    s.SetMode(rbMode1_->isChecked() ? DisplayMode::OneDiagram : DisplayMode::TwoIndicators);
    s.popup = cbPopup_->isChecked();
    s.bolt = cbBolt_->isChecked();
    s.snap = cbSnap_->isChecked();
    s.snapvalue = udSnap_->value();
    s.transparent = udTransparent_->value();
    for (std::size_t i = 0; i < 3; ++i) {
        s.indicators[i].Show(measures_->measure(static_cast<int>(i)));
        s.indicators[i].time = udTime_[i]->value();
        s.indicators[i].visible = cbVisible_[i]->isChecked();
    }
    s.SetTray(TrayMeasure::None);
    for (const Resource resource : kResources) {
        if (cbIcon_[IndexOf(resource)]->isChecked()) {
            s.SetTray(TrayMeasureOf(resource));  // the first ticked box counts
            break;
        }
    }
    s.iconstime = udIconsTime_->value();
    s.autorun = cbAutorun_->isChecked();
    s.onecopy = cbOneCopy_->isChecked();
    s.lowprior = cbPriority_->isChecked();
    s.info = cbInfo_->isChecked();
    s.infoshow = udHintShow_->value();
    s.infohide = udHintHide_->value();
    return s;
}

}  // namespace tarnwick::cfg
