#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <string>

class QCoreApplication;

namespace tarnwick {

// The folders our catalogs are looked for in, first found first: beside the program (a
// build's bin/translations/) and the shipped folder's (share/tarnwick/translations/).
QStringList TranslationFolders(const std::string& programFolder);

// Makes the program speak the user's language: Qt's own texts (qtbase_<lang>.qm, so standard
// buttons and dialogs match) and each catalog <catalog>_<lang>.qm of ours, for the system's
// locale. Called once, right after the application object exists and before any window is
// made. A catalog that is missing or broken, or a locale nobody translated, leaves the
// program's own English, without a word.
void LoadTranslations(QCoreApplication& app, const QStringList& catalogs);
// The same for a given locale and folders; the number of our catalogs it installed.
int LoadTranslations(QCoreApplication& app, const QStringList& catalogs, const QLocale& locale,
                     const QStringList& folders);

}  // namespace tarnwick
