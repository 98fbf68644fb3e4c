#pragma once

#include <QWidget>

#include "settings/services.h"

namespace tarnwick::cfg {

// The events editor: makes, changes and deletes the events of the events file.
class TfrEvents : public QWidget {
    Q_OBJECT
public:
    explicit TfrEvents(const SettingsServices& services, QWidget* parent = nullptr);

signals:
    // The editor was closed ("Finish" or its close box); the settings window takes over.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    SettingsServices services_;
};

}  // namespace tarnwick::cfg
