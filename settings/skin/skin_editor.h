#pragma once

#include <QWidget>

#include "settings/services.h"

namespace tarnwick::cfg {

// The skin editor: a wizard of seven steps that makes and edits skin files.
class TfrSkin : public QWidget {
    Q_OBJECT
public:
    explicit TfrSkin(const SettingsServices& services, QWidget* parent = nullptr);

signals:
    // The editor was closed ("Finish" or its close box); the settings window takes over.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    SettingsServices services_;
};

}  // namespace tarnwick::cfg
