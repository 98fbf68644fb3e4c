#include "settings/config/measure_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPushButton>
#include <QStyle>

#include "common/texts.h"

namespace tarnwick::cfg {

MeasureMenu::MeasureMenu(QWidget* parent)
    : QObject(parent), pmInd_(new QMenu(parent)), items_(new QActionGroup(this)) {
    pmInd_->setObjectName(QStringLiteral("pmInd"));
    items_->setExclusive(true);
    for (const Resource resource : kResources) {
        QMenu* group = pmInd_->addMenu(WithoutAccelerators(ResourceCaption(resource)));
        for (const MeasureKind kind : kMeasureKinds) {
            const Measure measure{resource, kind};
            QAction* item = group->addAction(WithoutAccelerators(MeasureKindCaption(measure)));
            item->setObjectName(QStringLiteral("miInd%1").arg(NumberOf(measure)));
            item->setCheckable(true);
            item->setData(QVariant::fromValue(measure));
            items_->addAction(item);
            actions_[measure.Index()] = item;
        }
    }
    connect(items_, &QActionGroup::triggered, this, &MeasureMenu::miInd1Click);
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(parent);
        button->setObjectName(QStringLiteral("btInd%1").arg(i + 1));
        button->setIcon(button->style()->standardIcon(QStyle::SP_ArrowDown));
        button->setStyleSheet(QStringLiteral("text-align: left; padding: 3px 6px;"));
        connect(button, &QPushButton::clicked, this, [this, i] { btInd1Click(i); });
        buttons_[static_cast<std::size_t>(i)] = button;
        SetMeasure(i, measures_[static_cast<std::size_t>(i)]);
    }
}

MeasureMenu::~MeasureMenu() = default;

void MeasureMenu::SetMeasure(int indicator, Measure measure) {
    const auto i = static_cast<std::size_t>(indicator);
    measures_[i] = measure;
    buttons_[i]->setText(MeasureButtonCaption(measure));
}

void MeasureMenu::btInd1Click(int indicator) {
    opener_ = indicator;
    actions_[measures_[static_cast<std::size_t>(indicator)].Index()]->setChecked(true);
    QPushButton* button = buttons_[static_cast<std::size_t>(indicator)];
    pmInd_->popup(button->mapToGlobal(button->rect().bottomLeft()));
}

void MeasureMenu::miInd1Click(QAction* item) {
    SetMeasure(opener_, item->data().value<Measure>());
}

}  // namespace tarnwick::cfg
