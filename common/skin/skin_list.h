#pragma once

#include "common/skin/look.h"

#include <QString>

#include <functional>
#include <vector>

namespace tarnwick {

// One skin the monitor knows: the full path of its file and its [skin] `name`.
struct SkinEntry {
    QString path;
    QString name;
};

// The skin files of a folder and of all its subfolders: the folder's own "*.skin" files
// (regular files, the extension in any case) first, then each subfolder searched the same
// way, depth first. Hidden folders (a name starting with ".") and folders reached through a
// symbolic link are skipped, so a link cannot lead the search in a circle. Entries are taken
// in the order of their names (plain character order), since the file system keeps none.
// A folder that does not exist gives nothing.
std::vector<QString> FindSkins(const QString& folder);

// FindSkins on the folder, each skin with its name read from its [skin] section.
std::vector<SkinEntry> SkinList(const QString& folder);

// A source of random numbers: given n > 0, an integer from 0 to n - 1, each equally likely.
using RandomSource = std::function<int(int)>;
// The application's generator, seeded by the system.
RandomSource SystemRandom();

// An index from 0 to count - 1 drawn from the source (clamped to that range); -1 when count
// is not positive.
int PickRandomSkin(int count, const RandomSource& random);

// What a load of the active skin gives the window.
struct SkinChoice {
    QString activePath;    // the active skin path after the load; a random pick replaces it
    int pickedIndex = -1;  // the list index of the random pick; -1 when nothing was picked
    bool builtIn = true;   // true when `look` is BuiltInLook()
    SkinLook look;
};

// Picks and reads the skin to show: with the random flag on and a list that is not empty, a
// random skin of the list becomes the active one; then the active skin is read, or, when the
// path is empty or the skin is not usable, the built-in look is taken. The path is kept
// either way; writing it to the settings is the caller's affair.
SkinChoice LoadSkin(const QString& activePath, bool randomSkin, const std::vector<SkinEntry>& skins,
                    const RandomSource& random);

}  // namespace tarnwick
