#pragma once

#include <QObject>

#include <functional>
#include <string>
#include <vector>

#include "common/settings.h"
#include "common/skin/look.h"
#include "common/skin/skin_list.h"

class QAction;

namespace tarnwick {

struct MonitorMenus;
class OptionWriter;

// The "&Skins" submenu: one checkable item per skin of the skin folder (pmSkin0, pmSkin1, ...
// above pmAfterSkin), the choice of the skin to show (the active one, or a random pick) and
// "&Random skin". The choice lives in the window's settings record (skinpath, active, random)
// and is written at once; the look of a chosen skin goes to the window through applyLook.
class SkinMenu : public QObject {
    Q_OBJECT
public:
    SkinMenu(MonitorMenus& menus, Settings& options, OptionWriter& writer,
             std::string programFolder, std::function<void(const SkinLook&)> applyLook);

    // Rebuilds the items from the skin folder of the settings.
    void SkinList();
    // Chooses the skin to show (the active one, or a random pick when the option is on) and
    // hands its look to the window.
    void LoadSkin();
    void pmRandomSkinClick();
    // The record's random option on the item.
    void ShowRandom();

    const std::vector<SkinEntry>& Skins() const { return skins_; }

private:
    void SkinMenuClick(int index);
    // Shows the active skin, or first picks one at random.
    void Show(bool randomPick);

    MonitorMenus& menus_;
    Settings& options_;
    OptionWriter& writer_;
    std::string programFolder_;
    std::function<void(const SkinLook&)> applyLook_;
    std::vector<SkinEntry> skins_;
    std::vector<QAction*> items_;  // parallel to skins_
};

}  // namespace tarnwick
