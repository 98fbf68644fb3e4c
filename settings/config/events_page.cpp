#include "settings/config/events_page.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/errors.h"
#include "common/events_file.h"
#include "common/profile_file.h"
#include "common/ui/dialogs.h"
#include "settings/config/descriptions.h"

namespace tarnwick::cfg {
namespace {

// The settings window's texts are translated in one context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SettingsWindow)
};

}  // namespace

EventsPage::EventsPage(const SettingsServices& services, QWidget* parent)
    : QWidget(parent),
      services_(services),
      lbEvents_(new QListWidget(this)),
      btDelete_(new QPushButton(Text::tr("Delete event"), this)),
      btEventsEditor_(new QPushButton(Text::tr("Events editor"), this)) {
    setObjectName(QStringLiteral("pgEvents"));
    lbEvents_->setObjectName(QStringLiteral("lbEvents"));
    lbEvents_->setUniformItemSizes(true);  // a thousand events list at once
    btDelete_->setObjectName(QStringLiteral("btDeleteEvent"));
    btEventsEditor_->setObjectName(QStringLiteral("BitBtn5"));

    auto* list = new QGroupBox(Text::tr("Events list"), this);
    auto* listLayout = new QVBoxLayout(list);
    listLayout->addWidget(lbEvents_);
    lbEvents_->setAccessibleName(list->title());  // a list takes no name from its group
    auto* management = new QGroupBox(Text::tr("Management of events"), this);
    auto* managementLayout = new QHBoxLayout(management);
    managementLayout->addWidget(btDelete_);
    managementLayout->addStretch(1);
    managementLayout->addWidget(btEventsEditor_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list, 1);
    layout->addWidget(management);

    connect(lbEvents_, &QListWidget::itemChanged, this, &EventsPage::lbEventsClickCheck);
    connect(btDelete_, &QPushButton::clicked, this, &EventsPage::DeleteEvent);
}

void EventsPage::LoadEventsNames() {
    const QSignalBlocker quiet(lbEvents_);
    lbEvents_->clear();
    for (const EventName& event : EventNames(LoadProfile(services_.eventsFile))) {
        auto* row = new QListWidgetItem(event.name);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        row->setCheckState(event.active ? Qt::Checked : Qt::Unchecked);
        lbEvents_->addItem(row);
    }
    if (lbEvents_->count() > 0) {
        lbEvents_->setCurrentRow(0);
    }
}

// The box of the row that was clicked is the one written, whichever row is selected.
void EventsPage::lbEventsClickCheck(QListWidgetItem* item) {
    const int n = lbEvents_->row(item) + 1;
    const bool active = item->checkState() == Qt::Checked;
    try {
        WriteEventActive(services_.eventsFile, n, active);
    } catch (const UserError& error) {
        const QSignalBlocker quiet(lbEvents_);
        item->setCheckState(active ? Qt::Unchecked : Qt::Checked);  // the file still says so
        services_.dialogs->ShowError(QString::fromStdString(error.what()));
    }
}

void EventsPage::DeleteEvent() {
    const int row = lbEvents_->currentRow();
    if (row < 0) {
        return;
    }
    try {
        tarnwick::DeleteEvent(services_.eventsFile, row + 1);
    } catch (const UserError& error) {
        services_.dialogs->ShowError(QString::fromStdString(error.what()));
        return;
    }
    LoadEventsNames();
    emit eventDeleted();
}

}  // namespace tarnwick::cfg
