#pragma once

#include <array>

#include "common/settings.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;

namespace tarnwick {
class Dialogs;
}

namespace tarnwick::cfg {

class MeasureMenu;

// The controls of the pages that edit settings keys (1 to 4) and the fixed pages 7 and 8.
// The pages are built here; the window places them and reads and fills them through Show and
// Take.
class OptionPages {
public:
    OptionPages(Dialogs* dialogs, QWidget* owner);

    QWidget* mainPage() const { return pgMain_; }
    QWidget* indicatorsPage() const { return pgIndicators_; }
    QWidget* iconsPage() const { return pgIcons_; }
    QWidget* advancedPage() const { return pgAdvanced_; }
    QWidget* toolsPage() const { return pgTools_; }
    QWidget* aboutPage() const { return pgAbout_; }

    QPushButton* toolsSkinsEditor() const { return btToolsSkins_; }
    QPushButton* toolsEventsEditor() const { return btToolsEvents_; }
    QCheckBox* autorunBox() const { return cbAutorun_; }

    // Fills the controls; the skin keys are the skins page's.
    void Show(const Settings& settings);
    // The settings the controls hold; the skin keys are left as they are in base.
    Settings Take(Settings base) const;

private:
    QWidget* BuildMainPage(QWidget* owner);
    QWidget* BuildIndicatorsPage(QWidget* owner);
    QWidget* BuildIconsPage(QWidget* owner);
    QWidget* BuildAdvancedPage(QWidget* owner);
    QWidget* BuildToolsPage(QWidget* owner);
    QWidget* BuildAboutPage(QWidget* owner);
    void cbIcon1Click(QCheckBox* clicked);

    Dialogs* dialogs_;
    QRadioButton* rbMode1_ = nullptr;
    QRadioButton* rbMode2_ = nullptr;
    QCheckBox* cbPopup_ = nullptr;
    QCheckBox* cbBolt_ = nullptr;
    QCheckBox* cbSnap_ = nullptr;
    QSpinBox* udSnap_ = nullptr;
    QSpinBox* udTransparent_ = nullptr;
    MeasureMenu* measures_ = nullptr;
    std::array<QSpinBox*, 3> udTime_{};
    std::array<QCheckBox*, 3> cbVisible_{};
    std::array<QCheckBox*, 4> cbIcon_{};
    QSpinBox* udIconsTime_ = nullptr;
    QCheckBox* cbAutorun_ = nullptr;
    QCheckBox* cbOneCopy_ = nullptr;
    QCheckBox* cbPriority_ = nullptr;
    QCheckBox* cbInfo_ = nullptr;
    QSpinBox* udHintShow_ = nullptr;
    QSpinBox* udHintHide_ = nullptr;
    QPushButton* btToolsSkins_ = nullptr;
    QPushButton* btToolsEvents_ = nullptr;
    QWidget* pgMain_;
    QWidget* pgIndicators_;
    QWidget* pgIcons_;
    QWidget* pgAdvanced_;
    QWidget* pgTools_;
    QWidget* pgAbout_;
};

}  // namespace tarnwick::cfg
