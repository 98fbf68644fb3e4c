#include "settings/config/measure_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

#include "common/texts.h"

namespace tarnwick::cfg {

MeasureMenu::MeasureMenu(QWidget* parent)
    : QObject(parent), pmInd_(new QMenu(parent)), items_(new QActionGroup(this)) {
    pmInd_->setObjectName(QStringLiteral("pmInd"));
    items_->setExclusive(true);
    for (int resource = 0; resource < kResourceCount; ++resource) {
        QMenu* group = pmInd_->addMenu(WithoutAccelerators(ResourceCaption(resource)));
        for (int kind = 0; kind < 4; ++kind) {
            const int measure = resource * 4 + kind + 1;
            QAction* item = group->addAction(WithoutAccelerators(MeasureKindCaption(measure)));
            item->setObjectName(QStringLiteral("miInd%1").arg(measure));
            item->setCheckable(true);
            item->setData(measure);
            items_->addAction(item);
            actions_[static_cast<std::size_t>(measure - 1)] = item;
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

void MeasureMenu::SetMeasure(int indicator, int measure) {
    const auto i = static_cast<std::size_t>(indicator);
    measures_[i] = std::clamp(measure, 1, kMeasureCount);
    buttons_[i]->setText(MeasureButtonCaption(measures_[i]));
}

void MeasureMenu::btInd1Click(int indicator) {
    opener_ = indicator;
    actions_[static_cast<std::size_t>(measures_[static_cast<std::size_t>(indicator)] - 1)]
        ->setChecked(true);
    QPushButton* button = buttons_[static_cast<std::size_t>(indicator)];
    pmInd_->popup(button->mapToGlobal(button->rect().bottomLeft()));
}

void MeasureMenu::miInd1Click(QAction* item) {
    SetMeasure(opener_, item->data().toInt());
}

}  // namespace tarnwick::cfg
