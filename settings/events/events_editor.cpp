#include "settings/events/events_editor.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace tarnwick::cfg {

TfrEvents::TfrEvents(const SettingsServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services) {
    setObjectName(QStringLiteral("frEvents"));
    setWindowTitle(QStringLiteral("Events editor"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("The events editor is being built."), this));
}

void TfrEvents::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

}  // namespace tarnwick::cfg
