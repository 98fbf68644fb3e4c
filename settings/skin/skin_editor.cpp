#include "settings/skin/skin_editor.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace tarnwick::cfg {

TfrSkin::TfrSkin(const SettingsServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services) {
    setObjectName(QStringLiteral("frSkin"));
    setWindowTitle(QStringLiteral("Skins editor"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("The skin editor is being built."), this));
}

void TfrSkin::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

}  // namespace tarnwick::cfg
