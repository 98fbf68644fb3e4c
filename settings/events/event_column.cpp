#include "settings/events/event_column.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

#include "common/texts.h"
#include "settings/events/editor_fonts.h"
#include "settings/events/editor_widgets.h"

namespace tarnwick::cfg {

namespace {

// The events editor's texts are translated in one context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(EventsEditor)
};

constexpr int kListWidth = 270;
constexpr int kTimeFieldWidth = 42;

// cmEvents' entries of the four resources; the pressures follow under their own names.
constexpr std::array<const char*, kResourceCount> kResourceEntries = {
    QT_TRANSLATE_NOOP("EventsEditor", "Processor usage"),
    QT_TRANSLATE_NOOP("EventsEditor", "Operative memory usage"),
    QT_TRANSLATE_NOOP("EventsEditor", "Swap file usage"),
    QT_TRANSLATE_NOOP("EventsEditor", "Virtual memory usage")};

QPushButton* MakeButton(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(FormFont());
    FixButtonSize(button, QSize(75, 25));
    return button;
}

// A time field followed by its unit, whose hint spells the unit out; the spelt-out unit
// ("hours") names the field for a screen reader.
void AddTimeField(QHBoxLayout* row, QLineEdit* edit, const QString& unit, const QString& hint,
                  QWidget* parent) {
    edit->setAccessibleName(hint.left(1).toUpper() + hint.mid(1));
    row->addWidget(edit);
    row->addWidget(MakeLabel(unit, parent, hint, edit));
}

}  // namespace

EventColumn::EventColumn(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 4, 8);
    layout->setSpacing(6);
    layout->addWidget(BuildList());
    layout->addWidget(BuildName());
    layout->addWidget(BuildSettings());
    layout->addWidget(BuildAction());
    layout->addWidget(BuildExecute());
    layout->addStretch(1);
    layout->addWidget(BuildButtons());

    connect(cmNames_, &QComboBox::currentIndexChanged, this, &EventColumn::entryChosen);
    connect(cmAction_, &QComboBox::currentIndexChanged, this, &EventColumn::actionChosen);
    connect(cmEvents_, &QComboBox::currentIndexChanged, this, &EventColumn::KeepUnitFitting);
    connect(button2_, &QPushButton::clicked, this, &EventColumn::applyClicked);
    connect(button1_, &QPushButton::clicked, this, &EventColumn::deleteClicked);
    connect(button7_, &QPushButton::clicked, this, &EventColumn::helpClicked);
}

QWidget* EventColumn::BuildList() {
    QGroupBox* group = MakeGroup(Text::tr("Events list"), this, true);
    auto* layout = new QVBoxLayout(group);
    cmNames_ = MakeList("cmNames", {}, group);
    cmNames_->setFixedWidth(kListWidth);
    layout->addWidget(cmNames_);
    return group;
}

QWidget* EventColumn::BuildName() {
    QGroupBox* group = MakeGroup(Text::tr("Event name"), this);
    auto* layout = new QVBoxLayout(group);
    edName_ = MakeEdit("edName", group, kListWidth);
    layout->addWidget(edName_);
    return group;
}

QWidget* EventColumn::BuildSettings() {
    QGroupBox* group = MakeGroup(Text::tr("Event settings"), this);
    auto* layout = new QVBoxLayout(group);
    cmEvents_ = MakeList("cmEvents", {}, group);
    cmEvents_->setFixedWidth(kListWidth);
    layout->addWidget(cmEvents_);

    auto* threshold = new QHBoxLayout;
    cmBigLit_ = MakeList("cmBigLit", {Text::tr("more than"), Text::tr("less than")}, group);
    edValue_ = MakeEdit("edValue", group);
    cmMeasure_ = MakeList("cmMeasure", {QStringLiteral("%"), Text::tr("MB/MHz")}, group);
    // The controls of a group take its title as their name; these say what each one is.
    cmEvents_->setAccessibleName(Text::tr("Resource"));
    cmBigLit_->setAccessibleName(Text::tr("Condition"));
    edValue_->setAccessibleName(Text::tr("Threshold"));
    cmMeasure_->setAccessibleName(Text::tr("Unit"));
    threshold->addWidget(cmBigLit_);
    threshold->addWidget(edValue_, 1);
    threshold->addWidget(cmMeasure_);
    layout->addLayout(threshold);
    FillResources(NumberOf(tarnwick::Resource::Processor));

    auto* during = new QHBoxLayout;
    QLabel* duringLabel = MakeLabel(Text::tr("During:"), group);
    during->addWidget(duringLabel);
    during->addStretch(1);
    edHour_ = MakeEdit("edHour", group, kTimeFieldWidth);
    duringLabel->setBuddy(edHour_);
    edMin_ = MakeEdit("edMin", group, kTimeFieldWidth);
    edSec_ = MakeEdit("edSec", group, kTimeFieldWidth);
    AddTimeField(during, edHour_, Text::tr("hr."), Text::tr("hours"), group);
    AddTimeField(during, edMin_, Text::tr("min."), Text::tr("minutes"), group);
    AddTimeField(during, edSec_, Text::tr("sec."), Text::tr("seconds"), group);
    for (QLineEdit* time : {edHour_, edMin_, edSec_}) {
        time->setAccessibleDescription(Text::tr("During"));
    }
    layout->addLayout(during);
    return group;
}

QWidget* EventColumn::BuildAction() {
    QGroupBox* group = MakeGroup(Text::tr("Execute action"), this);
    auto* layout = new QVBoxLayout(group);
    cmAction_ = MakeList(
        "cmAction",
        {Text::tr("No action"), Text::tr("Text message and sound signal"),
         Text::tr("Start the application"), Text::tr("Open the document"),
         Text::tr("Open a folder"), Text::tr("Close Tarnwick"), Text::tr("Reload a computer"),
         Text::tr("Waited mode of a computer"), Text::tr("Switch off a computer")},
        group);
    cmAction_->setMaxVisibleItems(10);
    cmAction_->setFixedWidth(kListWidth);
    layout->addWidget(cmAction_);
    return group;
}

QWidget* EventColumn::BuildExecute() {
    QGroupBox* group = MakeGroup(Text::tr("Method of executing"), this);
    auto* layout = new QVBoxLayout(group);
    cmExecute_ = MakeList(
        "cmExecute",
        {Text::tr("one time"), Text::tr("once per a session"), Text::tr("permanently")}, group);
    cmExecute_->setFixedWidth(kListWidth);
    cbActive_ = new QCheckBox(Text::tr("&event is active"), group);
    cbActive_->setObjectName(QStringLiteral("cbActive"));
    cbActive_->setFont(TitleFont());
    layout->addWidget(cmExecute_);
    layout->addWidget(cbActive_);
    return group;
}

QWidget* EventColumn::BuildButtons() {
    auto* panel = new QWidget(this);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    button2_ = MakeButton("Button2", Text::tr("Apply"), panel);
    button1_ = MakeButton("Button1", Text::tr("Delete"), panel);
    button7_ = MakeButton("Button7", Text::tr("Help"), panel);
    layout->addWidget(button2_);
    layout->addWidget(button1_);
    layout->addStretch(1);
    layout->addWidget(button7_);
    return panel;
}

void EventColumn::SetNames(const QStringList& names, int selected) {
    const QSignalBlocker quiet(cmNames_);
    cmNames_->clear();
    cmNames_->addItems(names);
    cmNames_->setCurrentIndex(selected);
}

int EventColumn::SelectedEntry() const {
    return cmNames_->currentIndex();
}

int EventColumn::Resource() const {
    return cmEvents_->currentData().toInt();
}

void EventColumn::OfferPressures(const std::vector<Pressure>& offered) {
    offered_ = offered;
    FillResources(Resource());
}

void EventColumn::FillResources(int keep) {
    {
        const QSignalBlocker quiet(cmEvents_);
        cmEvents_->clear();
        for (const tarnwick::Resource resource : kResources) {
            cmEvents_->addItem(Text::tr(kResourceEntries[IndexOf(resource)]), NumberOf(resource));
        }
        for (const Pressure pressure : kPressures) {
            const bool offered =
                std::find(offered_.begin(), offered_.end(), pressure) != offered_.end();
            if (offered || NumberOf(pressure) == keep) {
                cmEvents_->addItem(PressureText(pressure), NumberOf(pressure));
            }
        }
        cmEvents_->setCurrentIndex(std::max(cmEvents_->findData(keep), 0));
    }
    KeepUnitFitting();
}

void EventColumn::KeepUnitFitting() {
    const bool pressure = PressureFromNumber(Resource()).has_value();
    if (pressure) {
        cmMeasure_->setCurrentIndex(0);
    }
    cmMeasure_->setEnabled(!pressure);
}

void EventColumn::Show(const EventForm& form) {
    edName_->setText(form.name);
    cmBigLit_->setCurrentIndex(form.biglit);
    edValue_->setText(form.value);
    cmMeasure_->setCurrentIndex(form.measure);
    FillResources(form.resource);
    edHour_->setText(form.hour);
    edMin_->setText(form.min);
    edSec_->setText(form.sec);
    cmAction_->setCurrentIndex(form.action);
    cmExecute_->setCurrentIndex(form.execute);
    cbActive_->setChecked(form.active);
}

void EventColumn::Read(EventForm& form) const {
    form.name = edName_->text();
    form.resource = Resource();
    form.biglit = cmBigLit_->currentIndex();
    form.value = edValue_->text();
    form.measure = cmMeasure_->currentIndex();
    form.hour = edHour_->text();
    form.min = edMin_->text();
    form.sec = edSec_->text();
    form.action = cmAction_->currentIndex();
    form.execute = cmExecute_->currentIndex();
    form.active = cbActive_->isChecked();
}

}  // namespace tarnwick::cfg
