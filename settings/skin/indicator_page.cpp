#include "settings/skin/indicator_page.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/ui/dialogs.h"
#include "settings/skin/panels.h"

namespace tarnwick::cfg {
namespace {

// The skin editor's texts are translated in one context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SkinEditor)
};

constexpr int kMaxCoordinateValue = 2000;

// The label beside each field is a bare "X" or "Y": a screen reader hears the corner too.
QSpinBox* Coordinate(const QString& name, const QString& spoken, int minimum, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setAccessibleName(spoken);
    spin->setAccessibleDescription(Text::tr("pixels"));
    spin->setRange(minimum, kMaxCoordinateValue);
    spin->setValue(minimum);
    spin->setFixedWidth(58);
    return spin;
}

// The "..." buttons of the editor share the object names of their step.
const char* const kPictureButtons[] = {"BitBtn10", "BitBtn1", "BitBtn16"};

}  // namespace

QString PictureFilter() {
    return QStringLiteral("%1 (*.bmp);;%2 (*)").arg(Text::tr("Bitmaps"), Text::tr("All files"));
}

QLabel* BuddyLabel(const QString& text, QWidget* field) {
    auto* label = new QLabel(text, field->parentWidget());
    label->setBuddy(field);
    return label;
}

IndicatorPage::IndicatorPage(int number, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs) {
    const QString n = QString::number(number);
    const bool diagram = number == 3;

    auto* coordinates = new QGroupBox(Text::tr("Coordinates"), this);
    auto* grid = new QGridLayout(coordinates);
    udX1_ = Coordinate(QStringLiteral("udX1_") + n, Text::tr("Top left corner X"), 0, coordinates);
    udY1_ = Coordinate(QStringLiteral("udY1_") + n, Text::tr("Top left corner Y"), 0, coordinates);
    udX2_ =
        Coordinate(QStringLiteral("udX2_") + n, Text::tr("Right bottom corner X"), 1, coordinates);
    udY2_ =
        Coordinate(QStringLiteral("udY2_") + n, Text::tr("Right bottom corner Y"), 1, coordinates);
    grid->addWidget(new QLabel(Text::tr("Top left corner:"), coordinates), 0, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("X"), coordinates), 1, 0);
    grid->addWidget(udX1_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Y"), coordinates), 1, 2);
    grid->addWidget(udY1_, 1, 3);
    grid->addWidget(new QLabel(Text::tr("Right bottom corner:"), coordinates), 2, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("X"), coordinates), 3, 0);
    grid->addWidget(udX2_, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Y"), coordinates), 3, 2);
    grid->addWidget(udY2_, 3, 3);
    cmOrient_ = new QComboBox(coordinates);
    cmOrient_->setFixedWidth(152);
    if (diagram) {
        cmOrient_->setObjectName(QStringLiteral("cmDirection"));
        cmOrient_->addItems({Text::tr("from below upwards"), Text::tr("from top to down")});
    } else {
        cmOrient_->setObjectName(QStringLiteral("cmOrient_") + n);
        cmOrient_->addItems({Text::tr("Horizontal"), Text::tr("Vertical")});
    }
    // The list has a row of its own, so each "Y" stays beside its field.
    grid->setColumnStretch(4, 1);
    auto* orientRow = new QHBoxLayout;
    orientRow->addWidget(
        BuddyLabel(diagram ? Text::tr("Direction:") : Text::tr("Orientation:"), cmOrient_));
    orientRow->addWidget(cmOrient_);
    orientRow->addStretch();
    grid->addLayout(orientRow, 4, 0, 1, 5);

    previewPlace_ = new QWidget(this);
    previewPlace_->setObjectName(QStringLiteral("preview") + n);

    auto* type = new QGroupBox(Text::tr("Type"), this);
    auto* typeGrid = new QGridLayout(type);
    // Made in the order Tab goes through them: each choice, then what belongs to it.
    rbFlat_ = new QRadioButton(Text::tr("&flat skin"), type);
    rbFlat_->setObjectName(QStringLiteral("rbFlat_") + n);
    rbFlat_->setChecked(true);
    pnGround_ = new ColorPanel(dialogs, type);
    pnGround_->setObjectName(QStringLiteral("pnGround_") + n);
    pnProgress_ = new ColorPanel(dialogs, type);
    pnProgress_->setObjectName(QStringLiteral("pnProgress_") + n);
    rbGraph_ = new QRadioButton(Text::tr("&graphical skin"), type);
    rbGraph_->setObjectName(QStringLiteral("rbGraph_") + n);
    edPict_ = new QLineEdit(type);
    edPict_->setObjectName(QStringLiteral("edPict_") + n);
    edPict_->setReadOnly(true);
    edPict_->setAccessibleName(Text::tr("Picture file"));
    btPict_ = new QToolButton(type);
    btPict_->setObjectName(QLatin1String(kPictureButtons[number - 1]));
    btPict_->setText(QStringLiteral("..."));
    btPict_->setAccessibleName(Text::tr("Choose a picture"));
    auto* colours = new QHBoxLayout;
    colours->addWidget(BuddyLabel(Text::tr("Background:"), pnGround_));
    colours->addWidget(pnGround_);
    colours->addSpacing(12);
    colours->addWidget(BuddyLabel(Text::tr("Progress:"), pnProgress_));
    colours->addWidget(pnProgress_);
    colours->addStretch();
    auto* picture = new QHBoxLayout;
    picture->addWidget(edPict_);
    picture->addWidget(btPict_);
    typeGrid->addWidget(rbFlat_, 0, 0);
    typeGrid->addLayout(colours, 0, 1);
    typeGrid->addWidget(rbGraph_, 1, 0);
    typeGrid->addLayout(picture, 1, 1);

    auto* fontBox = new QGroupBox(Text::tr("Font parameters"), this);
    auto* fontRow = new QHBoxLayout(fontBox);
    pnFont_ = new FontPanel(dialogs, fontBox);
    pnFont_->setObjectName(QStringLiteral("pnFont") + n);
    cmAngle_ = new QComboBox(fontBox);
    cmAngle_->setObjectName(QStringLiteral("cmAngle") + n);
    cmAngle_->addItems({QString::fromUtf8("0°"), QString::fromUtf8("90°"),
                        QString::fromUtf8("180°"), QString::fromUtf8("270°")});
    fontRow->addWidget(pnFont_);
    fontRow->addSpacing(16);
    fontRow->addWidget(BuddyLabel(Text::tr("Angle:"), cmAngle_));
    fontRow->addWidget(cmAngle_);
    fontRow->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(coordinates);
    top->addWidget(previewPlace_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->addLayout(top);
    layout->addWidget(type);
    layout->addWidget(fontBox);
    layout->addStretch();

    for (QSpinBox* spin : {udX1_, udY1_, udX2_, udY2_}) {
        connect(spin, &QSpinBox::valueChanged, this, &IndicatorPage::changed);
    }
    for (QComboBox* combo : {cmOrient_, cmAngle_}) {
        connect(combo, &QComboBox::currentIndexChanged, this, &IndicatorPage::changed);
    }
    connect(rbGraph_, &QRadioButton::toggled, this, &IndicatorPage::changed);
    connect(pnGround_, &ColorPanel::changed, this, &IndicatorPage::changed);
    connect(pnProgress_, &ColorPanel::changed, this, &IndicatorPage::changed);
    connect(pnFont_, &FontPanel::changed, this, &IndicatorPage::changed);
    connect(btPict_, &QToolButton::clicked, this, &IndicatorPage::ChoosePicture);
}

QWidget* IndicatorPage::FirstField() const {
    return udX1_;
}

void IndicatorPage::ChoosePicture() {
    const QString chosen = dialogs_.OpenPictureName(Text::tr("Open"), QString(), PictureFilter());
    if (!chosen.isEmpty()) {
        edPict_->setText(chosen);
        emit changed();
    }
}

void IndicatorPage::Show(const IndicatorDraft& draft) {
    const QSignalBlocker blocks[] = {QSignalBlocker(udX1_),     QSignalBlocker(udY1_),
                                     QSignalBlocker(udX2_),     QSignalBlocker(udY2_),
                                     QSignalBlocker(cmOrient_), QSignalBlocker(cmAngle_),
                                     QSignalBlocker(rbGraph_)};
    udX1_->setValue(draft.x1);
    udY1_->setValue(draft.y1);
    udX2_->setValue(draft.x2);
    udY2_->setValue(draft.y2);
    cmOrient_->setCurrentIndex(draft.secondItem ? 1 : 0);
    (draft.graphic ? rbGraph_ : rbFlat_)->setChecked(true);
    pnGround_->SetValue(draft.ground);
    pnProgress_->SetValue(draft.progress);
    edPict_->setText(draft.picture);
    pnFont_->SetFont(draft.font, draft.fontColor);
    cmAngle_->setCurrentIndex(draft.textAngle / 90);
}

void IndicatorPage::Collect(IndicatorDraft& draft) const {
    draft.x1 = udX1_->value();
    draft.y1 = udY1_->value();
    draft.x2 = udX2_->value();
    draft.y2 = udY2_->value();
    draft.secondItem = cmOrient_->currentIndex() == 1;
    draft.graphic = rbGraph_->isChecked();
    draft.ground = pnGround_->value();
    draft.progress = pnProgress_->value();
    draft.picture = edPict_->text();
    draft.font = pnFont_->font();
    draft.fontColor = pnFont_->color();
    draft.textAngle = 90 * cmAngle_->currentIndex();
}

}  // namespace tarnwick::cfg
