#include "common/skin/skin_list.h"

#include "common/profile.h"
#include "common/profile_file.h"
#include "common/skin/skin.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

namespace tarnwick {
namespace {

// Deeper than any skin collection; it only guards against bind mounts that loop.
constexpr int kMaxDepth = 32;

QFileInfoList SortedEntries(const QDir& dir, QDir::Filters filters) {
    QFileInfoList entries = dir.entryInfoList(filters, QDir::Unsorted);
    std::sort(entries.begin(), entries.end(),
              [](const QFileInfo& a, const QFileInfo& b) { return a.fileName() < b.fileName(); });
    return entries;
}

void FindSkinsIn(const QString& folder, int depth, std::vector<QString>& found) {
    const QDir dir(folder);
    if (!dir.exists()) {
        return;
    }
    for (const QFileInfo& entry :
         SortedEntries(dir, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.isFile() &&
            entry.fileName().endsWith(QLatin1String(".skin"), Qt::CaseInsensitive)) {
            found.push_back(dir.filePath(entry.fileName()));
        }
    }
    if (depth >= kMaxDepth) {
        return;
    }
    for (const QFileInfo& entry : SortedEntries(dir, QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (entry.isSymLink() || entry.fileName().startsWith(u'.')) {
            continue;
        }
        FindSkinsIn(dir.filePath(entry.fileName()), depth + 1, found);
    }
}

}  // namespace

std::vector<QString> FindSkins(const QString& folder) {
    std::vector<QString> found;
    FindSkinsIn(folder, 0, found);
    return found;
}

std::vector<SkinEntry> SkinList(const QString& folder) {
    std::vector<SkinEntry> skins;
    for (const QString& path : FindSkins(folder)) {
        const ProfileText file = LoadProfile(QFile::encodeName(path).toStdString());
        skins.push_back({path, ReadSkinKeys(file, SkinReader::Viewer).name});
    }
    return skins;
}

RandomSource SystemRandom() {
    return [](int n) { return static_cast<int>(QRandomGenerator::global()->bounded(n)); };
}

int PickRandomSkin(int count, const RandomSource& random) {
    if (count <= 0) {
        return -1;
    }
    return std::clamp(random(count), 0, count - 1);
}

SkinChoice LoadSkin(const QString& activePath, bool randomSkin, const std::vector<SkinEntry>& skins,
                    const RandomSource& random) {
    SkinChoice choice;
    choice.activePath = activePath;
    if (randomSkin && !skins.empty()) {
        choice.pickedIndex = PickRandomSkin(static_cast<int>(skins.size()), random);
        choice.activePath = skins[choice.pickedIndex].path;
    }
    std::optional<SkinLook> look;
    if (!choice.activePath.isEmpty()) {
        look = ReadSkin(choice.activePath);
    }
    choice.builtIn = !look.has_value();
    choice.look = look ? *look : BuiltInLook();
    return choice;
}

}  // namespace tarnwick
