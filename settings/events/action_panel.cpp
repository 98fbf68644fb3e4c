#include "settings/events/action_panel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "settings/events/editor_fonts.h"
#include "settings/events/editor_widgets.h"

namespace tarnwick::cfg {

namespace {

// The events editor's texts are translated in one context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(EventsEditor)
};

constexpr int kNumberWidth = 60;
constexpr int kTimeFieldWidth = 36;

QRadioButton* MakeRadio(const char* name, const QString& text, QWidget* parent) {
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(QString::fromLatin1(name));
    radio->setFont(TitleFont());
    return radio;
}

QPushButton* MakeBrowseButton(const char* name, QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("..."), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(FormFont());
    button->setFixedSize(25, 23);
    button->setToolTip(Text::tr("Browse..."));
    button->setAccessibleName(button->toolTip());  // not "..."
    return button;
}

// A page of one group box, the group at the top.
QWidget* PageWith(QWidget* page, QWidget* group) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addWidget(group);
    layout->addStretch(1);
    return page;
}

// "Label:" over a path field with its "..." button, in a group of its own.
QGroupBox* PathGroup(const QString& title, const QString& label, QLineEdit* edit,
                     QPushButton* browse, QWidget* page) {
    QGroupBox* group = MakeGroup(title, page);
    auto* layout = new QGridLayout(group);
    layout->addWidget(MakeLabel(label, group, QString(), edit), 0, 0, 1, 2);
    layout->addWidget(edit, 1, 0);
    layout->addWidget(browse, 1, 1);
    edit->setParent(group);
    browse->setParent(group);
    return group;
}

}  // namespace

ActionPanel::ActionPanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* title = new QLabel(Text::tr("Action parameters"), this);
    title->setFont(TitleFont(true));
    // A band in the colours of an entry field: white in a light theme, and following the theme.
    title->setAutoFillBackground(true);
    title->setBackgroundRole(QPalette::Base);
    title->setForegroundRole(QPalette::Text);
    title->setContentsMargins(10, 6, 10, 6);
    layout->addWidget(title);

    notebook1_ = new QStackedWidget(this);
    notebook1_->setObjectName(QStringLiteral("Notebook1"));
    notebook1_->addWidget(BuildNoParameters());
    notebook1_->addWidget(BuildMessage());
    notebook1_->addWidget(BuildProgram());
    notebook1_->addWidget(BuildDocument());
    notebook1_->addWidget(BuildFolder());
    layout->addWidget(notebook1_, 1);

    connect(button3_, &QPushButton::clicked, this, &ActionPanel::checkUpClicked);
    connect(button4_, &QPushButton::clicked, this, &ActionPanel::browseProgram);
    connect(button5_, &QPushButton::clicked, this, &ActionPanel::browseDocument);
    connect(button6_, &QPushButton::clicked, this, &ActionPanel::browseFolder);
}

QWidget* ActionPanel::BuildNoParameters() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addStretch(1);
    for (const QString& text : {Text::tr("The chosen action"), Text::tr("has no parameters")}) {
        auto* label = new QLabel(text, page);
        label->setFont(FormFont());
        label->setAlignment(Qt::AlignCenter);
        label->setEnabled(false);  // greyed
        layout->addWidget(label);
    }
    layout->addStretch(1);
    return page;
}

QWidget* ActionPanel::BuildMessage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(BuildTextGroup(page), 1);
    layout->addWidget(BuildSoundGroup(page));
    layout->addWidget(BuildLoopGroup(page));
    return page;
}

QWidget* ActionPanel::BuildTextGroup(QWidget* page) {
    QGroupBox* group = MakeGroup(Text::tr("Text message"), page);
    auto* layout = new QVBoxLayout(group);
    rbTextAuto_ = MakeRadio("rbTextAuto", Text::tr("make &automatically"), group);
    rbTextUser_ = MakeRadio("rbTextUser", Text::tr("specify the &message text"), group);
    reInfo_ = new QPlainTextEdit(group);
    reInfo_->setTabChangesFocus(true);  // Tab leaves the text for the next control
    reInfo_->setObjectName(QStringLiteral("reInfo"));
    reInfo_->setFont(TitleFont());
    reInfo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    reInfo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reInfo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // What becomes of the text: a line naming the process behind the resource, and where the
    // message shows.
    cbCulprit_ = new QCheckBox(Text::tr("Name the busiest process"), group);
    cbCulprit_->setObjectName(QStringLiteral("cbCulprit"));
    cbCulprit_->setFont(TitleFont());
    cbCulprit_->setToolTip(Text::tr(
        "A last line names the program using most of the resource: the most processor time, "
        "or the most memory of the kind the event watches"));
    cbNotify_ = new QCheckBox(Text::tr("As a desktop notification"), group);
    cbNotify_->setObjectName(QStringLiteral("cbNotify"));
    cbNotify_->setFont(TitleFont());
    cbNotify_->setToolTip(
        Text::tr("The desktop shows the message in its own way; where it cannot, the box shows"));
    layout->addWidget(rbTextAuto_);
    layout->addWidget(rbTextUser_);
    layout->addWidget(reInfo_, 1);
    layout->addWidget(cbCulprit_);
    layout->addWidget(cbNotify_);
    return group;
}

QWidget* ActionPanel::BuildSoundGroup(QWidget* page) {
    QGroupBox* group = MakeGroup(Text::tr("Sound signal"), page);
    auto* layout = new QGridLayout(group);
    layout->setVerticalSpacing(4);
    cbSound_ = new QCheckBox(Text::tr("&Sound signal"), group);
    cbSound_->setObjectName(QStringLiteral("cbSound"));
    cbSound_->setFont(TitleFont());
    button3_ = new QPushButton(Text::tr("Check up"), group);
    button3_->setObjectName(QStringLiteral("Button3"));
    button3_->setFont(FormFont());
    FixButtonSize(button3_, QSize(75, 25));
    layout->addWidget(cbSound_, 0, 0);
    layout->addWidget(button3_, 0, 1, 1, 2, Qt::AlignRight);

    edFreq_ = MakeEdit("edFreq", group, kNumberWidth);
    edTime_ = MakeEdit("edTime", group, kNumberWidth);
    edPause_ = MakeEdit("edPause", group, kNumberWidth);
    const struct {
        const char* label;
        QLineEdit* edit;
        const char* unit;
    } rows[] = {{QT_TRANSLATE_NOOP("EventsEditor", "Frequency of a signal"), edFreq_,
                 QT_TRANSLATE_NOOP("EventsEditor", "Hz")},
                {QT_TRANSLATE_NOOP("EventsEditor", "Duration of a impulse"), edTime_,
                 QT_TRANSLATE_NOOP("EventsEditor", "ms")},
                {QT_TRANSLATE_NOOP("EventsEditor", "Time of a pause"), edPause_,
                 QT_TRANSLATE_NOOP("EventsEditor", "ms")}};
    int row = 1;
    for (const auto& r : rows) {
        layout->addWidget(MakeLabel(Text::tr(r.label), group, QString(), r.edit), row, 0);
        layout->addWidget(r.edit, row, 1);
        r.edit->setAccessibleDescription(Text::tr(r.unit));
        layout->addWidget(MakeLabel(Text::tr(r.unit), group), row, 2);
        ++row;
    }
    layout->setColumnStretch(0, 1);
    return group;
}

QWidget* ActionPanel::BuildLoopGroup(QWidget* page) {
    QGroupBox* group = MakeGroup(Text::tr("Play back a signal"), page);
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(4);
    rbLoopTime_ = MakeRadio("rbLoopTime", Text::tr("&during"), group);
    rbLoopCount_ = MakeRadio("rbLoopCount", Text::tr("exact &number of times"), group);
    rbLoopInfinity_ = MakeRadio("rbLoopInfinity", Text::tr("&permanently"), group);

    // Each choice on a row of its own, so a long caption never squeezes another row's fields.
    auto* during = new QHBoxLayout;
    edLoopHour_ = MakeEdit("edLoopHour", group, kTimeFieldWidth);
    edloopMin_ = MakeEdit("edloopMin", group, kTimeFieldWidth);
    edLoopSec_ = MakeEdit("edLoopSec", group, kTimeFieldWidth);
    // The fields of a choice are named by their units, and the count by its choice.
    edLoopHour_->setAccessibleName(Text::tr("Hours"));
    edloopMin_->setAccessibleName(Text::tr("Minutes"));
    edLoopSec_->setAccessibleName(Text::tr("Seconds"));
    during->addWidget(rbLoopTime_);
    during->addStretch(1);
    during->addWidget(edLoopHour_);
    during->addWidget(MakeLabel(Text::tr("hr."), group, Text::tr("hours"), edLoopHour_));
    during->addWidget(edloopMin_);
    during->addWidget(MakeLabel(Text::tr("min."), group, Text::tr("minutes"), edloopMin_));
    during->addWidget(edLoopSec_);
    during->addWidget(MakeLabel(Text::tr("sec."), group, Text::tr("seconds"), edLoopSec_));
    layout->addLayout(during);

    auto* count = new QHBoxLayout;
    edLoopCount_ = MakeEdit("edLoopCount", group, kNumberWidth);
    edLoopCount_->setAccessibleName(Text::tr("Number of times"));
    count->addWidget(rbLoopCount_);
    count->addStretch(1);
    count->addWidget(edLoopCount_);
    layout->addLayout(count);
    layout->addWidget(rbLoopInfinity_);
    return group;
}

QWidget* ActionPanel::BuildProgram() {
    auto* page = new QWidget(this);
    QGroupBox* group = MakeGroup(Text::tr("Start the application"), page);
    auto* layout = new QGridLayout(group);
    edExec_ = MakeEdit("edExec", group);
    button4_ = MakeBrowseButton("Button4", group);
    edParam_ = MakeEdit("edParam", group);
    layout->addWidget(MakeLabel(Text::tr("Application file:"), group, QString(), edExec_), 0, 0, 1,
                      2);
    layout->addWidget(edExec_, 1, 0);
    layout->addWidget(button4_, 1, 1);
    layout->addWidget(MakeLabel(Text::tr("Execution parameters:"), group, QString(), edParam_), 2,
                      0, 1, 2);
    layout->addWidget(edParam_, 3, 0);
    return PageWith(page, group);
}

QWidget* ActionPanel::BuildDocument() {
    auto* page = new QWidget(this);
    edDoc_ = MakeEdit("edDoc", page);
    button5_ = MakeBrowseButton("Button5", page);
    return PageWith(page, PathGroup(Text::tr("Open the document"),
                                    Text::tr("Specify the document:"), edDoc_, button5_, page));
}

QWidget* ActionPanel::BuildFolder() {
    auto* page = new QWidget(this);
    edFolder_ = MakeEdit("edFolder", page);
    button6_ = MakeBrowseButton("Button6", page);
    return PageWith(page, PathGroup(Text::tr("Open a folder"), Text::tr("Choose a folder:"),
                                    edFolder_, button6_, page));
}

void ActionPanel::ShowPage(int page) {
    notebook1_->setCurrentIndex(page);
}

void ActionPanel::Show(const EventForm& form) {
    (form.autotext ? rbTextAuto_ : rbTextUser_)->setChecked(true);
    reInfo_->setPlainText(form.info);
    cbCulprit_->setChecked(form.culprit);
    cbNotify_->setChecked(form.notify);
    cbSound_->setChecked(form.sound);
    edFreq_->setText(form.freq);
    edTime_->setText(form.time);
    edPause_->setText(form.pause);
    switch (form.loop) {
        case LoopKind::Time:
            rbLoopTime_->setChecked(true);
            break;
        case LoopKind::Count:
            rbLoopCount_->setChecked(true);
            break;
        case LoopKind::Infinity:
            rbLoopInfinity_->setChecked(true);
            break;
    }
    edLoopHour_->setText(form.loopHour);
    edloopMin_->setText(form.loopMin);
    edLoopSec_->setText(form.loopSec);
    edLoopCount_->setText(form.loopCount);
    edExec_->setText(form.exec);
    edParam_->setText(form.param);
    edDoc_->setText(form.doc);
    edFolder_->setText(form.folder);
}

void ActionPanel::Read(EventForm& form) const {
    form.autotext = rbTextAuto_->isChecked();
    form.info = reInfo_->toPlainText();
    form.culprit = cbCulprit_->isChecked();
    form.notify = cbNotify_->isChecked();
    form.sound = cbSound_->isChecked();
    form.freq = edFreq_->text();
    form.time = edTime_->text();
    form.pause = edPause_->text();
    form.loop = rbLoopCount_->isChecked()      ? LoopKind::Count
                : rbLoopInfinity_->isChecked() ? LoopKind::Infinity
                                               : LoopKind::Time;
    form.loopHour = edLoopHour_->text();
    form.loopMin = edloopMin_->text();
    form.loopSec = edLoopSec_->text();
    form.loopCount = edLoopCount_->text();
    form.exec = edExec_->text();
    form.param = edParam_->text();
    form.doc = edDoc_->text();
    form.folder = edFolder_->text();
}

void ActionPanel::SetProgram(const QString& path) {
    edExec_->setText(path);
}

void ActionPanel::SetDocument(const QString& path) {
    edDoc_->setText(path);
}

void ActionPanel::SetFolder(const QString& path) {
    edFolder_->setText(path);
}

QString ActionPanel::Program() const {
    return edExec_->text();
}

QString ActionPanel::Document() const {
    return edDoc_->text();
}

}  // namespace tarnwick::cfg
