// The monitor in the user's language: the catalogs the build makes turn its real menus, the
// information hint and the automatic event text German or Russian, and leave English where no
// catalog loads.
#include "common/ui/translations.h"

#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QTranslator>

#include <map>
#include <set>

#include "common/texts.h"
#include "monitor/measures.h"
#include "platform/process.h"
#include "window_fixture.h"

namespace tarnwick {
namespace {

// The accelerator of a caption, lower case; none for a caption without one.
QChar Accelerator(const QString& caption) {
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (caption[i + 1] != QLatin1Char('&')) {
                return caption[i + 1].toLower();
            }
            ++i;
        }
    }
    return {};
}

class TranslatedMonitor : public MonitorWindowTest {
protected:
    void TearDown() override {
        MonitorWindowTest::TearDown();
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            delete translator;  // uninstalls it
        }
    }

    static int Load(const QLocale& locale,
                    const QStringList& folders = TranslationFolders(platform::ProgramFolder())) {
        return LoadTranslations(*qApp, {QStringLiteral("tarnwick")}, locale, folders);
    }

    // The caption of every item of both menus with an accelerator in English, by the item's
    // name, with the menu it is in.
    std::map<QString, std::pair<const QMenu*, QString>> Captions() const {
        std::map<QString, std::pair<const QMenu*, QString>> captions;
        for (const QMenu* menu : window_->findChildren<QMenu*>()) {
            for (const QAction* item : menu->actions()) {
                if (!item->isSeparator() && !item->objectName().isEmpty()) {
                    captions[item->objectName()] = {menu, item->text()};
                }
            }
        }
        return captions;
    }
};

TEST_F(TranslatedMonitor, GermanAndRussianMenusAreTranslatedWithOneAcceleratorPerLetter) {
    const QRegularExpression kPercent(QStringLiteral("^&\\d+%$"));
    Start();
    const auto english = Captions();
    window_.reset();
    const std::pair<const char*, const char*> exits[] = {{"de", "&Beenden"}, {"ru", "Вы&ход"}};
    for (const auto& [language, exit] : exits) {
        SCOPED_TRACE(language);
        ASSERT_EQ(Load(QLocale(QString::fromLatin1(language))), 1);
        Start();
        EXPECT_EQ(Item("pmClose")->text(), QString::fromUtf8(exit));
        std::map<const QMenu*, std::set<QChar>> taken;
        for (const auto& [name, shown] : Captions()) {
            const auto& [menu, caption] = shown;
            const QString source = english.at(name).second;
            // Every text is translated but the transparencies "&0%".."&90%".
            if (!kPercent.match(source).hasMatch()) {
                EXPECT_NE(caption, source) << name.toStdString();
            }
            if (Accelerator(source).isNull()) {
                continue;
            }
            const QChar key = Accelerator(caption);
            EXPECT_FALSE(key.isNull()) << name.toStdString() << " " << caption.toStdString();
            EXPECT_TRUE(taken[menu].insert(key).second)
                << caption.toStdString() << " shares its accelerator in "
                << menu->objectName().toStdString();
        }
        window_.reset();
        TearDown();
    }
}

TEST_F(TranslatedMonitor, TheHintAndTheEventTextSpeakTheLanguage) {
    testing::FakeMemory memory;
    memory.status = {512 * kMB, 211 * kMB, 1024 * kMB, 768 * kMB, 2048 * kMB, 1536 * kMB};
    CpuFigures cpu;
    cpu.CPUUsage = 30;
    cpu.CPUSpeed = 2000;
    EventKeys event;
    event.value = 90;
    event.min = 5;
    event.sec = 30;

    ASSERT_EQ(Load(QLocale(QLocale::Russian)), 1);
    EXPECT_EQ(Measures(memory, cpu, ",").InfoHintText(),
              "ЦП: 600 МГц (30 %) из 2000 МГц\r\n"
              "ОЗУ: 301 МБ (59 %) из 512 МБ\r\n"
              "Подкачка: 256 МБ (25 %) из 1024 МБ\r\n"
              "Виртуальная: 512 МБ (25 %) из 2048 МБ");
    EXPECT_EQ(AutomaticText(event).toStdString(),
              "Загрузка процессора\r\n"
              "в течение 0 ч, 5 мин и 30 с\r\n"
              "выше 90 %");
    TearDown();

    ASSERT_EQ(Load(QLocale(QLocale::German, QLocale::Austria)), 1);  // de_AT finds de
    event.event = 1;
    event.measure = 1;
    event.biglit = 1;
    EXPECT_EQ(AutomaticText(event).toStdString(),
              "Belegung des Arbeitsspeichers\r\n"
              "während 0 Stunden, 5 Minuten und 30 Sekunden\r\n"
              "war weniger als 90 MB");
}

// No catalog for the language, none where it is looked for, or a broken one: the texts of
// the sources, and the program goes on.
TEST_F(TranslatedMonitor, EnglishWhereNoCatalogLoads) {
    const QString folder = QString::fromStdString(Path("translations"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile real(TranslationFolders(platform::ProgramFolder()).front() +
               QStringLiteral("/tarnwick_de.qm"));
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    const QByteArray catalog = real.readAll();
    const auto writeCatalog = [&folder](const QByteArray& bytes) {
        QFile file(folder + QStringLiteral("/tarnwick_de.qm"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    };

    EXPECT_EQ(Load(QLocale::c()), 0);
    EXPECT_EQ(Load(QLocale(QStringLiteral("xx_YY"))), 0);
    EXPECT_EQ(Load(QLocale(QLocale::German), {folder}), 0);  // an empty folder
    for (const QByteArray& broken :
         {QByteArray("not a catalog"), QByteArray(), catalog.left(catalog.size() / 2)}) {
        writeCatalog(broken);
        EXPECT_EQ(Load(QLocale(QLocale::German), {folder}), 0) << broken.size();
    }
    Start();
    EXPECT_EQ(Item("pmClose")->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(Item("pmInfo")->text(), QStringLiteral("Information &hint"));

    // The first folder that has the catalog gives it.
    writeCatalog(catalog);
    EXPECT_EQ(Load(QLocale(QLocale::German), {QString::fromStdString(Path("none")), folder}), 1);
}

}  // namespace
}  // namespace tarnwick
