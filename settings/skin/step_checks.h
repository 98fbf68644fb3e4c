#pragma once

#include <QImage>
#include <QString>

#include <optional>

#include "settings/skin/skin_draft.h"

namespace tarnwick::cfg {

// The checks of the wizard's "Next" and "Finish" buttons. Each gives the message that keeps
// the wizard on its page, or nothing when it may go on.

// Step 1: with "Modify an existing skin", the skin file must exist.
std::optional<QString> CheckCreation(const SkinDraft& draft);

// Steps 3 to 5: a graphical indicator needs an existing picture file.
std::optional<QString> CheckPicture(const IndicatorDraft& indicator, const QString& loadedFolder);

// Step 6. With IconsWay::Create a passed check also gives the built strip, already at its
// depth, in built.
struct IconsCheck {
    std::optional<QString> message;
    QImage built;
};
IconsCheck CheckIcons(const SkinDraft& draft);

// Step 7: a title and a file to save to.
std::optional<QString> CheckSave(const SkinDraft& draft);

// What "..." of step 7 stores for a chosen name: ".skin" appended unless the name's
// extension, from its last dot, is exactly ".skin".
QString WithSkinExtension(const QString& chosen);

}  // namespace tarnwick::cfg
