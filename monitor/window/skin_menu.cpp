#include "monitor/window/skin_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "monitor/window/menus.h"
#include "monitor/window/option_writer.h"

namespace tarnwick {

SkinMenu::SkinMenu(MonitorMenus& menus, Settings& options, OptionWriter& writer,
                   std::string programFolder, std::function<void(const SkinLook&)> applyLook)
    : menus_(menus),
      options_(options),
      writer_(writer),
      programFolder_(std::move(programFolder)),
      applyLook_(std::move(applyLook)) {
    connect(menus_.skinGroup, &QActionGroup::triggered, this,
            [this](QAction* item) { SkinMenuClick(item->data().toInt()); });
    connect(menus_.randomSkin, &QAction::triggered, this, [this] { pmRandomSkinClick(); });
}

void SkinMenu::SkinList() {
    for (QAction* item : items_) {
        delete item;
    }
    items_.clear();
    std::string folder = options_.skinpath;
    if (folder.empty()) {
        folder = programFolder_ + "skins/";  // not written back
    } else if (folder.back() != '/') {
        folder += '/';
        options_.skinpath = folder;
        writer_.Write(setting::kSkinPath, folder);
    }
    skins_ = tarnwick::SkinList(QString::fromStdString(folder));
    for (std::size_t i = 0; i < skins_.size(); ++i) {
        auto* item = new QAction(skins_[i].name, menus_.skins);
        item->setObjectName(QStringLiteral("pmSkin%1").arg(i));
        item->setCheckable(true);
        item->setData(static_cast<int>(i));
        item->setChecked(skins_[i].path.toStdString() == options_.active);
        menus_.skinGroup->addAction(item);
        menus_.skins->insertAction(menus_.afterSkin, item);
        items_.push_back(item);
    }
}

void SkinMenu::LoadSkin() {
    Show(options_.random);
}

void SkinMenu::Show(bool randomPick) {
    const SkinChoice choice = tarnwick::LoadSkin(QString::fromStdString(options_.active),
                                                 randomPick, skins_, SystemRandom());
    if (choice.pickedIndex >= 0) {
        // A random pick is stored with the other settings at close, not at once.
        options_.active = choice.activePath.toStdString();
        items_.at(static_cast<std::size_t>(choice.pickedIndex))->setChecked(true);
    }
    applyLook_(choice.look);
}

// The skin the user clicks is the one that shows, also with "&Random skin" on: the random
// pick waits for the next start or reload.
void SkinMenu::SkinMenuClick(int index) {
    options_.active = skins_.at(static_cast<std::size_t>(index)).path.toStdString();
    Show(false);
    items_.at(static_cast<std::size_t>(index))->setChecked(true);
    writer_.Write(setting::kActive, options_.active);
}

void SkinMenu::pmRandomSkinClick() {
    options_.random = !options_.random;
    ShowRandom();
    writer_.Write(setting::kRandom, options_.random);
}

void SkinMenu::ShowRandom() {
    menus_.randomSkin->setChecked(options_.random);
}

}  // namespace tarnwick
