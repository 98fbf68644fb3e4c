// The programs' own call: the catalogs of the locale the environment names (this program's
// tests run with LC_ALL=de_DE.UTF-8), found beside the program, with Qt's own texts.
#include "common/ui/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeySequence>
#include <QLibraryInfo>

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(SystemLocale, TheProgramSpeaksTheLanguageOfTheEnvironment) {
    ASSERT_EQ(QLocale::system().language(), QLocale::German);
    // A catalog nobody made is no reason to stop.
    LoadTranslations(*QCoreApplication::instance(),
                     {QStringLiteral("tarnwick"), QStringLiteral("nocatalog")});
    EXPECT_EQ(QCoreApplication::translate("MonitorMenu", "E&xit"), QStringLiteral("&Beenden"));
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                      QStringLiteral("/qtbase_de.qm"))) {
        EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::Key_A).toString(QKeySequence::NativeText),
                  QStringLiteral("Strg+A"));
    }
}

}  // namespace
}  // namespace tarnwick
