#pragma once

#include <QWidget>

#include <vector>

#include "common/skin/skin_list.h"
#include "settings/services.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace tarnwick::cfg {

// Page 5 "Skins": the skins found under the skins folder, the selected one's description,
// the folder, the random-skin box and the way to the skin editor.
class SkinsPage : public QWidget {
    Q_OBJECT
public:
    SkinsPage(const SettingsServices& services, QWidget* parent);

    // Rebuilds the list from the folder field and selects the saved active skin.
    void LoadSkins();
    // When skins are listed and none is selected, the first is (its description stays as it
    // is).
    void SelectFirstWhenNone();

    bool HasSkins() const { return !skinFiles_.empty(); }
    // The path to save as active: the selected skin's, selecting the first when none is.
    // Only meaningful when HasSkins().
    QString ActivePathForSaving();

    QLineEdit* edSkinPath() const { return edSkinPath_; }
    QCheckBox* cbRandomSkin() const { return cbRandomSkin_; }
    QPushButton* skinsEditorButton() const { return btSkinsEditor_; }

private:
    void lbSkinsClick();
    void ChooseSkinsFolder();

    SettingsServices services_;
    std::vector<SkinEntry> skinFiles_;  // SkinFiles: lbSkins shows their titles in this order
    QListWidget* lbSkins_;
    QPlainTextEdit* reInfo_;
    QLineEdit* edSkinPath_;
    QCheckBox* cbRandomSkin_;
    QPushButton* btSkinsEditor_;
};

}  // namespace tarnwick::cfg
