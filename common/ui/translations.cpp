#include "common/ui/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/process.h"

namespace tarnwick {

namespace {

// Installs file_<language>.qm from folder when there is one for the locale that loads; the
// translator belongs to the application from then on.
bool Install(QCoreApplication& app, const QLocale& locale, const QString& file,
             const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(locale, file, QStringLiteral("_"), folder) || translator->isEmpty() ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace

QStringList TranslationFolders(const std::string& programFolder) {
    QStringList folders;
    for (const std::string& base : {programFolder, platform::ShippedFolderOf(programFolder)}) {
        if (base.empty()) {
            continue;
        }
        const QString folder = QString::fromStdString(base) + QStringLiteral("translations");
        if (!folders.contains(folder)) {
            folders.append(folder);
        }
    }
    return folders;
}

void LoadTranslations(QCoreApplication& app, const QStringList& catalogs) {
    LoadTranslations(app, catalogs, QLocale::system(),
                     TranslationFolders(platform::ProgramFolder()));
}

int LoadTranslations(QCoreApplication& app, const QStringList& catalogs, const QLocale& locale,
                     const QStringList& folders) {
    Install(app, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    int installed = 0;
    for (const QString& catalog : catalogs) {
        for (const QString& folder : folders) {
            if (Install(app, locale, catalog, folder)) {
                ++installed;
                break;
            }
        }
    }
    return installed;
}

}  // namespace tarnwick
